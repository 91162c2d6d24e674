// Page Properties: the unit arithmetic, the refusals on OK, and the dialog offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "framework/Messages.h"
#include "letters/PagePropertiesDialog.h"
#include "letters/PageUnits.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

TEST(PageUnitsTest, FormatsTwipsInEachUnit) {
    struct Row {
        int twips;
        PageUnit unit;
        const char* shown;
    };
    for (const Row& row : {Row{1440, PageUnit::Inch, "1.00"}, Row{1440, PageUnit::Cm, "2.54"},
                           Row{1440, PageUnit::Twips, "1440"}, Row{12240, PageUnit::Inch, "8.50"},
                           Row{567, PageUnit::Cm, "1.00"}, Row{0, PageUnit::Cm, "0.00"},
                           Row{-720, PageUnit::Inch, "-0.50"}, Row{-5, PageUnit::Twips, "-5"}})
        EXPECT_EQ(formatTwips(row.twips, row.unit), row.shown) << row.twips << " " << row.shown;
}

TEST(PageUnitsTest, ParsesTextsToRoundedTwips) {
    struct Row {
        const char* text;
        PageUnit unit;
        std::optional<int> twips;
    };
    const Row rows[] = {
        {"2.54", PageUnit::Cm, 1440},
        {"1", PageUnit::Inch, 1440},
        {"1440", PageUnit::Twips, 1440},
        {"", PageUnit::Inch, 0},
        {"  ", PageUnit::Cm, 0},
        {"abc", PageUnit::Inch, std::nullopt},
        {"0.5", PageUnit::Twips, 1},
        {"-0.5", PageUnit::Twips, -1},
        {"2.5", PageUnit::Twips, 3},
        {"0.49", PageUnit::Twips, 0},
        {"1.5", PageUnit::Twips, 2},
        {"-1", PageUnit::Inch, -1440},
        {".5", PageUnit::Inch, 720},
        {"3.", PageUnit::Inch, 4320},
        {"1", PageUnit::Cm, 567},
        {"-", PageUnit::Inch, std::nullopt},
        {".", PageUnit::Inch, std::nullopt},
        {"-.", PageUnit::Cm, std::nullopt},
        {"1,5", PageUnit::Inch, std::nullopt},
        {"1e3", PageUnit::Twips, std::nullopt},
        {"+1", PageUnit::Inch, std::nullopt},
        {"1.2.3", PageUnit::Inch, std::nullopt},
        {"99999999", PageUnit::Inch, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseToTwips(QString::fromLatin1(row.text), row.unit), row.twips) << row.text;
}

TEST(PageUnitsTest, NamesTheFirstFaultOfALayout) {
    struct Row {
        PageLayout layout;  // width, height, left, right, top, bottom
        std::optional<QString> fault;
    };
    const Row rows[] = {
        {{12240, 15840, 1440, 1440, 1440, 1440}, std::nullopt},
        {{0, 15840, 0, 0, 0, 0}, "Width must be greater than 0"},
        {{-1, 0, 0, 0, 0, 0}, "Width must be greater than 0"},
        {{100, 0, 0, 0, 0, 0}, "Height must be greater than 0"},
        {{100, 100, 0, 0, -1, 0}, "Top must not be negative"},
        {{100, 100, 0, 0, 0, -1}, "Bottom must not be negative"},
        {{100, 100, -1, 0, 0, 0}, "Left must not be negative"},
        {{100, 100, 0, -1, 0, 0}, "Right must not be negative"},
        {{100, 100, 50, 50, 0, 0}, "Left and Right leave no room for text on the page"},
        {{100, 100, 49, 50, 50, 50}, "Top and Bottom leave no room for text on the page"},
        {{100, 100, 49, 50, 49, 50}, std::nullopt},
        {{100, 100, 2147483647, 2147483647, 0, 0},
         "Left and Right leave no room for text on the page"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(pageLayoutFault(row.layout), row.fault)
            << row.layout.paperWidth << " " << row.layout.leftMargin;
}

TEST(PageUnitsTest, RefusesAPaperSideBeyondTheLargestPrintablePage) {
    struct Row {
        PageLayout layout;  // width, height, left, right, top, bottom
        std::optional<QString> fault;
    };
    const Row rows[] = {
        {{288000, 288000, 0, 0, 0, 0}, std::nullopt},
        {{288001, 15840, 0, 0, 0, 0}, "Width: a page can be at most 200 inches (508 cm) a side."},
        {{12240, 288001, 0, 0, 0, 0}, "Height: a page can be at most 200 inches (508 cm) a side."},
        {{2147483647, 2147483647, 0, 0, 0, 0},
         "Width: a page can be at most 200 inches (508 cm) a side."},
    };
    for (const Row& row : rows)
        EXPECT_EQ(pageLayoutFault(row.layout), row.fault) << row.layout.paperWidth;
}

TEST(PageUnitsTest, TextWidthInPixelsNeverOverflows) {
    struct Row {
        PageLayout layout;  // width, height, left, right, top, bottom
        int dpi;
        int pixels;
    };
    const Row rows[] = {
        {PageLayout{}, 96, 624},
        {{288000, 288000, 1440, 1440, 0, 0}, 96, 19008},
        {{288000, 288000, 0, 0, 0, 0}, 192, 38400},
        {{22320000, 15840, 0, 0, 0, 0}, 96, 1488000},  // 15,500 inches
        {{2147483647, 15840, 0, 0, 0, 0}, 96, 143165576},
        {{2147483647, 15840, 0, 0, 0, 0}, 2147483647, 2147483647},
        {{1440, 15840, 1440, 1440, 0, 0}, 96, 1},
        {{1440, 15840, -2147483647 - 1, 0, 0, 0}, 2147483647, 2147483647},
    };
    for (const Row& row : rows)
        EXPECT_EQ(textWidthPixels(row.layout, row.dpi), row.pixels)
            << row.layout.paperWidth << " " << row.dpi;
}

class PagePropertiesDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { PagePropertiesDialog::resetRememberedUnit(); }
    void TearDown() override { PagePropertiesDialog::resetRememberedUnit(); }

    // The first key typed replaces the selected text, so the box is never empty on the way.
    static void retype(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    ScriptedMessages messages_;
    MessagesScope scope_{messages_};
};

TEST_F(PagePropertiesDialogTest, ShowsTheLayoutAndConvertsOnAUnitChange) {
    PagePropertiesDialog dialog(PageLayout{12240, 15840, 1800, 1800, 1440, 720});
    EXPECT_EQ(dialog.windowTitle(), "Page Properties");
    EXPECT_EQ(dialog.helpTopic(), HelpTopic::None);
    EXPECT_EQ(dialog.unitList()->currentText(), "Inch");
    EXPECT_EQ(dialog.unitList()->count(), 3);
    QStringList groups;
    for (auto* g : dialog.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, (QStringList{" Paper Size ", " Margins "}));
    EXPECT_EQ(dialog.widthEdit()->text(), "8.50");
    EXPECT_EQ(dialog.heightEdit()->text(), "11.00");
    EXPECT_EQ(dialog.leftEdit()->text(), "1.25");
    EXPECT_EQ(dialog.bottomEdit()->text(), "0.50");

    dialog.show();
    QApplication::setActiveWindow(&dialog);
    retype(dialog.widthEdit(), "1");
    EXPECT_EQ(dialog.layout().paperWidth, 1440);
    // Partial texts leave the kept value alone.
    retype(dialog.topEdit(), "-.");
    EXPECT_EQ(dialog.layout().topMargin, 1440);
    QTest::keyClicks(dialog.topEdit(), "5");
    EXPECT_EQ(dialog.layout().topMargin, -720);
    // An emptied box holds 0.
    retype(dialog.rightEdit(), "7");
    QTest::keyClick(dialog.rightEdit(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.layout().rightMargin, 0);

    dialog.unitList()->setCurrentText("Twips");
    EXPECT_EQ(dialog.widthEdit()->text(), "1440");
    EXPECT_EQ(dialog.topEdit()->text(), "-720");
    EXPECT_EQ(dialog.heightEdit()->text(), "15840");
    dialog.unitList()->setCurrentText("Cm");
    EXPECT_EQ(dialog.widthEdit()->text(), "2.54");
    // Showing rounded values does not change the kept twips.
    dialog.unitList()->setCurrentText("Inch");
    EXPECT_EQ(dialog.layout(), (PageLayout{1440, 15840, 1800, 0, -720, 720}));
    EXPECT_TRUE(messages_.texts().isEmpty());
}

TEST_F(PagePropertiesDialogTest, LeavingABoxWithoutANumberReportsAndRestores) {
    PagePropertiesDialog dialog(PageLayout{});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    retype(dialog.heightEdit(), "abc");
    EXPECT_TRUE(messages_.texts().isEmpty());
    dialog.rightEdit()->setFocus();
    EXPECT_EQ(messages_.texts(), QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(dialog.heightEdit()->text(), "11.00");
    EXPECT_EQ(dialog.layout(), PageLayout{});
}

TEST_F(PagePropertiesDialogTest, OkRefusesAWidthOfNothingAndStaysOpen) {
    PagePropertiesDialog dialog(PageLayout{});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    retype(dialog.widthEdit(), "0");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(messages_.texts(), QStringList{"Width must be greater than 0"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.widthEdit());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(PagePropertiesDialogTest, OkRefusesAPaperSideOver200InchesInEveryUnit) {
    struct Row {
        const char* unit;
        PageField field;
        const char* tooLarge;
        const char* largest;  // 200 inches to the nearest twip
        const char* message;
    };
    const Row rows[] = {
        {"Inch", PageField::Width, "200.01", "200",
         "Width: a page can be at most 200 inches (508 cm) a side."},
        {"Cm", PageField::Width, "508.01", "508",
         "Width: a page can be at most 200 inches (508 cm) a side."},
        {"Twips", PageField::Width, "288001", "288000",
         "Width: a page can be at most 200 inches (508 cm) a side."},
        {"Inch", PageField::Height, "1400000", "200.00",
         "Height: a page can be at most 200 inches (508 cm) a side."},
        {"Cm", PageField::Height, "600", "508.00",
         "Height: a page can be at most 200 inches (508 cm) a side."},
        {"Twips", PageField::Height, "2147483647", "288000",
         "Height: a page can be at most 200 inches (508 cm) a side."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.unit) + " " + row.tooLarge);
        PagePropertiesDialog dialog(PageLayout{});
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        dialog.unitList()->setCurrentText(QString::fromLatin1(row.unit));
        QLineEdit* box = dialog.edit(row.field);
        retype(box, QString::fromLatin1(row.tooLarge));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_EQ(messages_.texts(), QStringList{QString::fromLatin1(row.message)});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), box);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        messages_.clear();

        retype(box, QString::fromLatin1(row.largest));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_TRUE(messages_.texts().isEmpty());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        const PageLayout accepted = dialog.layout();
        EXPECT_EQ(row.field == PageField::Width ? accepted.paperWidth : accepted.paperHeight,
                  288000);
    }
}

TEST_F(PagePropertiesDialogTest, CancelForgetsTheUnitAndOkRemembersIt) {
    {
        PagePropertiesDialog dialog(PageLayout{});
        dialog.show();
        dialog.unitList()->setCurrentText("Twips");
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_EQ(PagePropertiesDialog::rememberedUnit(), PageUnit::Inch);
    {
        PagePropertiesDialog dialog(PageLayout{});
        EXPECT_EQ(dialog.unitList()->currentText(), "Inch");
        dialog.show();
        dialog.unitList()->setCurrentText("Cm");
        retype(dialog.leftEdit(), "2.54");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.layout().leftMargin, 1440);
    }
    PagePropertiesDialog next(PageLayout{});
    EXPECT_EQ(next.unitList()->currentText(), "Cm");
    EXPECT_EQ(next.widthEdit()->text(), "21.59");
    EXPECT_TRUE(messages_.texts().isEmpty());
}

}  // namespace
}  // namespace rp
