// The windows and messages of the main window's layer through a translation that brackets
// every text: whatever a user reads comes out marked, so it can be translated.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <functional>
#include <memory>

#include "AppWindows.h"
#include "MainWindowFixture.h"
#include "app/AddingRules.h"
#include "app/BrowseModel.h"
#include "app/CommandPlan.h"
#include "app/CommandStates.h"
#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "app/OrderMenu.h"
#include "app/RecordPage.h"
#include "app/RecordSearch.h"
#include "support/AddressFileFixture.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class TranslatedWindowTest : public ::testing::TestWithParam<WindowCase> {
  protected:
    TempDir dir;
    MarkingTranslator marking;
};

TEST_P(TranslatedWindowTest, ShowsOnlyTranslatedTexts) {
    const std::unique_ptr<QWidget> window =
        GetParam().make(QString::fromStdString(dir.path()) + QLatin1Char('/'));
    QStringList untranslated = untranslatedTexts(*window);
    for (const QString& kept : GetParam().keptAsTheyAre) untranslated.removeAll(kept);
    EXPECT_EQ(untranslated, QStringList());
}

INSTANTIATE_TEST_SUITE_P(Windows, TranslatedWindowTest, ::testing::ValuesIn(appWindows()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TranslatedCommandStatesTest, ButtonCaptionsAreTranslatedBothWhileEditingAndNot) {
    MarkingTranslator marking;
    for (bool editing : {false, true}) {
        const CommandStates s = computeCommandStates(true, editing, true, false, false);
        for (const QString& caption : {s.saveCaption, s.cancelCaption, s.addCaption, s.editCaption,
                                       s.deleteCaption, s.searchCaption})
            EXPECT_TRUE(caption.startsWith(QLatin1Char('['))) << caption.toStdString();
    }
    EXPECT_EQ(computeCommandStates(true, false, true, false, false).searchCaption, "[Searc&h]");
}

class TranslatedMainWindowTest : public MainWindowTest {
  protected:
    MarkingTranslator marking;
};

TEST_F(TranslatedMainWindowTest, MenusPagesAndStatusBarAreTranslated) {
    makeFile("LIST.DBF", {{"Ames", "Ann", "Boston", "MA", "02101"}});
    start(path("LIST.DBF"));
    // The date format beside the date is the preferences' own.
    EXPECT_EQ(untranslatedTexts(*main), QStringList({"(mm/dd/yyyy)"}));
    QStringList untranslated;
    for (QAction* entry : main->menuBar()->actions()) {
        if (!translatedOrWordless(entry->text())) untranslated << entry->text();
        if (entry->menu())
            for (QAction* a : entry->menu()->actions())
                if (!translatedOrWordless(a->text()) &&
                    !a->text().contains(QLatin1String("LIST.DBF")))
                    untranslated << a->text();
    }
    EXPECT_EQ(untranslated, QStringList());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("[Ravenpost - %1]").arg(path("LIST.DBF")));
}

TEST_F(TranslatedMainWindowTest, CountRecordsSaysTheCountInTheTranslatedSentence) {
    makeFile("LIST.DBF", {{"Ames", "Ann", "Boston", "MA", "02101"}});
    start(path("LIST.DBF"));
    shown.clear();
    choose(main->menuBar()->actions().at(2)->menu(), "[&Count Records]");
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].caption, "[Information]");
    EXPECT_EQ(shown.shown()[0].text, "[There are 1 records]");
}

class TranslatedRulesTest : public AddressFileFixture {
  protected:
    MarkingTranslator marking;
};

TEST_F(TranslatedRulesTest, MessagesOfTheRulesAreTranslatedWithTheirValuesInPlace) {
    add({{"LNAME", "Ames"}, {"FNAME", "Ann"}, {"CITY", "Boston"}, {"STATE", "MA"}});
    ScriptedMessages told;
    MessagesScope scope(told);
    told.answer(false);
    EXPECT_FALSE(checkDupName(table.table(), QStringLiteral("Ann"), QStringLiteral("Ames")));
    EXPECT_FALSE(searchFor(table.table(), QStringLiteral("DATE"), QStringLiteral("13/45/2001"),
                           QStringLiteral("mm/dd/yyyy")));
    std::vector<ScriptedMessages::Shown> boxes;
    for (const auto& box : told.shown())
        if (box.kind != QLatin1String("beep")) boxes.push_back(box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "[Possible Duplicate]");
    EXPECT_TRUE(boxes[0].text.startsWith("[Possible duplicate: \r\n\r\nAnn Ames\r\n"))
        << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[1].text, "[Invalid date entered]");
}

TEST(TranslatedHeadersTest, BrowseColumnsAndOrderEntriesAreTranslated) {
    MarkingTranslator marking;
    xbase::Engine engine;
    AddressTable table(engine);
    BrowseModel model(table, [](xbase::JulianDay) { return QString(); });
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "[Last Name]");
    EXPECT_EQ(model.headerData(7, Qt::Horizontal, Qt::DisplayRole).toString(), "[PREFIX]");
    QWidget owner;
    OrderMenu order(table, &owner);
    EXPECT_EQ(order.menu()->title(), "[&Order]");
    EXPECT_EQ(order.menu()->actions().at(0)->text(), "[&Last Name]");
    EXPECT_EQ(order.currentCaption(), "[Last Name]");
}

}  // namespace
}  // namespace rp
