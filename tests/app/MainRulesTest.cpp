// The main window's plain rules: command states, dates as shown and typed, where
// the window goes, and new-record values the file cannot hold.
#include <gtest/gtest.h>

#include "app/AddingRules.h"
#include "app/CommandStates.h"
#include "app/WindowPlacement.h"
#include "data/DateText.h"
#include "data/FieldText.h"
#include "data/RecordText.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

TEST(CommandStates, FollowTheOpenEditingAndRecordRules) {
    const CommandStates noFile = computeCommandStates(false, false, false, false);
    EXPECT_TRUE(noFile.fileMenu);
    EXPECT_FALSE(noFile.addShown || noFile.editDeleteShown || noFile.recordMenus ||
                 noFile.openCommands);

    const CommandStates empty = computeCommandStates(true, false, false, true);
    EXPECT_TRUE(empty.addShown && empty.openCommands && empty.filterPicture);
    EXPECT_FALSE(empty.editDeleteShown || empty.recordCommandsShown || empty.recordMenus ||
                 empty.saveCancelShown);
    EXPECT_EQ(empty.addCaption, "&Add");
    EXPECT_EQ(empty.saveCaption, "Save");

    const CommandStates editing = computeCommandStates(true, true, true, false);
    EXPECT_FALSE(editing.fileMenu || editing.addShown || editing.editDeleteShown ||
                 editing.recordMenus);
    EXPECT_TRUE(editing.saveCancelShown);
    EXPECT_EQ(editing.saveCaption, "&Save");
    EXPECT_EQ(editing.cancelCaption, "&Cancel");
    EXPECT_EQ(editing.addCaption, "Add");
    EXPECT_EQ(editing.editCaption, "Edit");
    EXPECT_EQ(editing.deleteCaption, "Delete");

    const CommandStates browsing = computeCommandStates(true, false, true, false);
    EXPECT_TRUE(browsing.editDeleteShown && browsing.recordCommandsShown && browsing.recordMenus);
    EXPECT_EQ(browsing.editCaption, "&Edit");
    EXPECT_FALSE(browsing.filterPicture);
}

TEST(DateText, FormatsAndParsesEveryPattern) {
    const xbase::JulianDay day = xbase::julianDay(2026, 3, 7);
    EXPECT_EQ(formatDate(day, "mm/dd/yyyy"), "03/07/2026");
    EXPECT_EQ(formatDate(day, "dd.mm.yy"), "07.03.26");
    EXPECT_EQ(formatDate(day, "yyyy/mm/dd"), "2026/03/07");
    EXPECT_EQ(formatDate(0, "mm/dd/yyyy"), "");
    EXPECT_EQ(parseDate("03/07/2026", "mm/dd/yyyy"), day);
    EXPECT_EQ(parseDate("07.03.26", "dd.mm.yy"), day);
    EXPECT_EQ(parseDate("2026-03-07", "yyyy-mm-dd"), day);
    EXPECT_EQ(parseDate("  /  /    ", "mm/dd/yyyy"), xbase::JulianDay{0});
    EXPECT_EQ(parseDate("", "mm/dd/yyyy"), xbase::JulianDay{0});
    EXPECT_FALSE(parseDate("13/07/2026", "mm/dd/yyyy"));
    EXPECT_FALSE(parseDate("02/30/2026", "mm/dd/yyyy"));
    EXPECT_FALSE(parseDate("03/07", "mm/dd/yyyy"));
    EXPECT_EQ(parseDate("01/01/99", "mm/dd/yy"), xbase::julianDay(1999, 1, 1));
}

TEST(DateText, EditMasksBecomeQtMasks) {
    EXPECT_EQ(qtInputMask("!99/99/9999;1;_"), "00/00/0000;_");
    EXPECT_EQ(qtInputMask("!99.99.99;1;_"), "00.00.00;_");
    EXPECT_EQ(qtInputMask("!99/99/99;1;"), "00/00/00; ");
}

TEST(WindowPlacement, CentresByIntegerDivisionExceptOnSixForty) {
    EXPECT_EQ(startPosition({640, 480}, kMainWindowSize), QPoint(0, 0));
    EXPECT_EQ(startPosition({1024, 768}, kMainWindowSize), QPoint(207, 159));
    EXPECT_EQ(startPosition({801, 601}, kMainWindowSize), QPoint(95, 75));
    EXPECT_EQ(fitMaximised({10, 20, 700, 900}, {0, 0, 1024, 768}), QRect(10, 0, 700, 768));
    EXPECT_EQ(fitMaximised({10, 20, 1100, 500}, {0, 0, 1024, 768}), QRect(0, 20, 1024, 500));
    EXPECT_EQ(fitMaximised({10, 20, 600, 500}, {0, 0, 1024, 768}), QRect(10, 20, 600, 500));
}

using AddingRulesTest = AddressFileFixture;

TEST_F(AddingRulesTest, ValuesTheFileCannotHoldAreToldOneByOneAndTheOthersStillGoIn) {
    table->appendBlank();
    NewRecordValues values;
    values.lastName = QString::fromUtf8("Łaski");
    values.firstName = QStringLiteral("Ann");
    values.city = QString::fromUtf8("Gdańsk");
    EXPECT_FALSE(fillNewRecord(table.table(), values));
    ASSERT_EQ(shown.shown().size(), 2u);
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.shown()[1].kind, "information");
    EXPECT_EQ(shown.texts(), (QStringList{unstorableMessage(QString::fromUtf8("Ł")),
                                          unstorableMessage(QString::fromUtf8("ń"))}));
    EXPECT_EQ(fieldText(table.table(), "FNAME"), "Ann");
    EXPECT_EQ(fieldText(table.table(), "LNAME"), "");
    table->cancel();
}

}  // namespace
}  // namespace rp
