// The Letter Designer on screen: its toolbar shows every button in each test language, and
// the icons it draws itself carry a picture for high-resolution screens.
#include <gtest/gtest.h>

#include <QAction>
#include <QTextDocument>
#include <QToolButton>

#include "letters/FormatToolBar.h"
#include "letters/LetterDesignerDialog.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class LetterDesignerScreenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LetterDesignerScreenTest, EveryToolbarButtonIsShown) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    QTextDocument letter;
    LetterDesignerDialog designer(QString(), &letter);
    designer.show();
    auto* toolBar = designer.findChild<FormatToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    auto* more = toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(more, nullptr);
    EXPECT_FALSE(more->isVisible())
        << "toolbar " << toolBar->width() << " of " << toolBar->sizeHint().width();
    for (QAction* action : toolBar->actions()) {
        QWidget* button = toolBar->widgetForAction(action);
        if (button && !action->isSeparator()) {
            EXPECT_TRUE(button->isVisible()) << action->toolTip().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LetterDesignerScreenTest, ::testing::ValuesIn(testLanguages()));

TEST(LetterDesignerIcons, DrawnIconsHaveADoubleResolutionPicture) {
    QTextDocument letter;
    LetterDesignerDialog designer(QString(), &letter);
    auto* toolBar = designer.findChild<FormatToolBar*>();
    ASSERT_NE(toolBar, nullptr);
    for (auto command : {FormatToolBar::Command::AlignLeft, FormatToolBar::Command::AlignCenter,
                         FormatToolBar::Command::AlignRight}) {
        const QPixmap sharp = toolBar->action(command)->icon().pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(sharp.size(), QSize(32, 32)) << toolBar->action(command)->toolTip().toStdString();
    }
}

}  // namespace
}  // namespace rp
