// The formatting tool bar applied to a word of a letter, and following the caret.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <functional>

#include "letters/FormatToolBar.h"

namespace rp {
namespace {

using Command = FormatToolBar::Command;

// "alpha beta gamma": the word under test is "beta", at 6 to 10.
constexpr int kBetaStart = 6;
constexpr int kBetaEnd = 10;

class FormatToolBarTest : public ::testing::Test {
  protected:
    FormatToolBarTest() {
        editor_.document()->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));
        editor_.setPlainText(QStringLiteral("alpha beta gamma"));
    }

    void select(int from, int to) {
        QTextCursor cursor(editor_.document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor_.setTextCursor(cursor);
    }
    void selectBeta() { select(kBetaStart, kBetaEnd); }
    void placeCaret(int at) { select(at, at); }

    // The format of the character starting at position at.
    QTextCharFormat formatAt(int at) {
        QTextCursor cursor(editor_.document());
        cursor.setPosition(at + 1);
        return cursor.charFormat();
    }

    void typeSize(const QString& text) {
        QLineEdit* edit = bar_.sizeBox()->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QTextEdit editor_;
    FormatToolBar bar_{&editor_};
};

struct StyleCase {
    const char* name;
    Command command;
    std::function<bool(const QTextCharFormat&)> has;
};
void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << c.name;
}

class FormatToolBarStyleTest : public FormatToolBarTest,
                               public ::testing::WithParamInterface<StyleCase> {};

TEST_P(FormatToolBarStyleTest, AppliesToTheSelectedWordOnly) {
    selectBeta();
    bar_.action(GetParam().command)->trigger();
    EXPECT_TRUE(GetParam().has(formatAt(kBetaStart)));
    EXPECT_TRUE(GetParam().has(formatAt(kBetaEnd - 1)));
    EXPECT_FALSE(GetParam().has(formatAt(kBetaStart - 2)));
    EXPECT_TRUE(bar_.action(GetParam().command)->isChecked());
}

TEST_P(FormatToolBarStyleTest, WithoutSelectionAppliesToTheWordUnderTheCaret) {
    placeCaret(kBetaStart + 2);
    bar_.action(GetParam().command)->trigger();
    EXPECT_TRUE(GetParam().has(formatAt(kBetaStart)));
    EXPECT_FALSE(GetParam().has(formatAt(kBetaStart - 2)));
    EXPECT_FALSE(GetParam().has(formatAt(kBetaEnd + 1)));
}

TEST_P(FormatToolBarStyleTest, NormalClearsIt) {
    selectBeta();
    bar_.action(GetParam().command)->trigger();
    bar_.action(Command::Normal)->trigger();
    EXPECT_FALSE(GetParam().has(formatAt(kBetaStart)));
    EXPECT_FALSE(bar_.action(GetParam().command)->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    FormatToolBarStyles, FormatToolBarStyleTest,
    ::testing::Values(StyleCase{"Bold", Command::Bold,
                                [](const QTextCharFormat& f) { return f.font().bold(); }},
                      StyleCase{"Italic", Command::Italic,
                                [](const QTextCharFormat& f) { return f.fontItalic(); }},
                      StyleCase{"Underline", Command::Underline,
                                [](const QTextCharFormat& f) { return f.fontUnderline(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatToolBarTest, NormalClearsBoldItalicAndUnderlineTogether) {
    selectBeta();
    for (Command command : {Command::Bold, Command::Italic, Command::Underline}) {
        bar_.action(command)->trigger();
    }
    bar_.action(Command::Normal)->trigger();
    const QTextCharFormat format = formatAt(kBetaStart + 1);
    EXPECT_FALSE(format.font().bold());
    EXPECT_FALSE(format.fontItalic());
    EXPECT_FALSE(format.fontUnderline());
}

struct SizeCase {
    const char* name;
    const char* typed;
    double applied;  // the word's size afterwards; 12 is the size it had
};
void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.name;
}

class FormatToolBarSizeTest : public FormatToolBarTest,
                              public ::testing::WithParamInterface<SizeCase> {};

TEST_P(FormatToolBarSizeTest, TypedSizeIsAppliedOrRefused) {
    selectBeta();
    typeSize(QString::fromLatin1(GetParam().typed));
    EXPECT_DOUBLE_EQ(formatAt(kBetaStart).font().pointSizeF(), GetParam().applied);
    EXPECT_DOUBLE_EQ(formatAt(kBetaStart - 2).font().pointSizeF(), 12.0);
    EXPECT_EQ(bar_.sizeBox()->currentText(), QLocale().toString(GetParam().applied));
}

INSTANTIATE_TEST_SUITE_P(
    FormatToolBarSizes, FormatToolBarSizeTest,
    ::testing::Values(SizeCase{"Listed", "14", 14.0}, SizeCase{"Smallest", "6", 6.0},
                      SizeCase{"Unlisted", "13", 13.0}, SizeCase{"TooSmall", "4", 12.0},
                      SizeCase{"NotANumber", "big", 12.0}, SizeCase{"Empty", "", 12.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatToolBarTest, ColourRedIsApplied) {
    selectBeta();
    const int red = bar_.colorBox()->findText(QStringLiteral("Red"));
    ASSERT_GE(red, 0);
    bar_.colorBox()->setCurrentIndex(red);
    emit bar_.colorBox()->activated(red);
    EXPECT_EQ(formatAt(kBetaStart).foreground().color(), QColor(Qt::red));
    EXPECT_FALSE(formatAt(kBetaStart - 2).hasProperty(QTextFormat::ForegroundBrush));
}

TEST_F(FormatToolBarTest, CenterAlignsTheBlock) {
    placeCaret(kBetaStart);
    bar_.action(Command::AlignCenter)->trigger();
    EXPECT_EQ(editor_.document()->begin().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_TRUE(bar_.action(Command::AlignCenter)->isChecked());
    EXPECT_FALSE(bar_.action(Command::AlignLeft)->isChecked());
}

TEST_F(FormatToolBarTest, ControlsFollowTheCaretWithoutApplyingAnything) {
    QTextCursor cursor(editor_.document());
    cursor.setPosition(kBetaStart);
    cursor.setPosition(kBetaEnd, QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontPointSize(20);
    format.setForeground(QColor(Qt::blue));
    cursor.mergeCharFormat(format);
    const int undoSteps = editor_.document()->availableUndoSteps();

    placeCaret(kBetaStart + 2);
    EXPECT_TRUE(bar_.action(Command::Bold)->isChecked());
    EXPECT_EQ(bar_.sizeBox()->currentText(), QStringLiteral("20"));
    EXPECT_EQ(bar_.colorBox()->currentText(), QStringLiteral("Blue"));

    placeCaret(2);
    EXPECT_FALSE(bar_.action(Command::Bold)->isChecked());
    EXPECT_EQ(bar_.sizeBox()->currentText(), QStringLiteral("12"));
    EXPECT_EQ(bar_.colorBox()->currentText(), QStringLiteral("Black"));
    EXPECT_EQ(editor_.document()->availableUndoSteps(), undoSteps);
    EXPECT_FALSE(formatAt(1).font().bold());
}

TEST_F(FormatToolBarTest, UndoAfterBoldRemovesIt) {
    EXPECT_FALSE(bar_.action(Command::Undo)->isEnabled());
    selectBeta();
    bar_.action(Command::Bold)->trigger();
    ASSERT_TRUE(formatAt(kBetaStart).font().bold());
    ASSERT_TRUE(bar_.action(Command::Undo)->isEnabled());
    bar_.action(Command::Undo)->trigger();
    EXPECT_FALSE(formatAt(kBetaStart).font().bold());
    EXPECT_FALSE(bar_.action(Command::Bold)->isChecked());
    EXPECT_TRUE(bar_.action(Command::Redo)->isEnabled());
}

TEST_F(FormatToolBarTest, ClipboardCommandsFollowSelectionAndClipboard) {
    placeCaret(0);
    EXPECT_FALSE(bar_.action(Command::Copy)->isEnabled());
    EXPECT_FALSE(bar_.action(Command::Cut)->isEnabled());
    selectBeta();
    EXPECT_TRUE(bar_.action(Command::Copy)->isEnabled());
    EXPECT_TRUE(bar_.action(Command::Cut)->isEnabled());

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(bar_.action(Command::Paste)->isEnabled());
    bar_.action(Command::Copy)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("beta"));
    EXPECT_TRUE(bar_.action(Command::Paste)->isEnabled());
}

}  // namespace
}  // namespace rp
