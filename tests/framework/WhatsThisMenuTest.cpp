// "What's this?" on the right-click menu of controls that have a help text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWhatsThis>

#include "framework/WhatsThisMenu.h"

namespace rp {
namespace {

QStringList captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

TEST(WhatsThisMenuTest, HelpTextGetsTheEntryAfterTheEditingEntries) {
    QWidget window;
    auto* button = new QPushButton("Go", &window);
    auto* line = new QLineEdit(&window);
    auto* memo = new QPlainTextEdit(&window);
    auto* bare = new QPushButton("Bare", &window);
    button->setWhatsThis("Starts it.");
    line->setWhatsThis("A name.");
    memo->setWhatsThis("Notes.");
    window.show();

    EXPECT_EQ(WhatsThisMenu::popupFor(bare, {}), nullptr);

    QMenu* menu = WhatsThisMenu::popupFor(button, {});
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(captions(menu), QStringList{"What's this?"});
    menu->close();

    menu = WhatsThisMenu::popupFor(line, {});
    const QStringList lineCaptions = captions(menu);
    EXPECT_GT(lineCaptions.size(), 2);
    EXPECT_EQ(lineCaptions.mid(lineCaptions.size() - 2), (QStringList{"-", "What's this?"}));
    menu->close();

    // A right click on the memo lands on its viewport; the memo's text is shown.
    menu = WhatsThisMenu::popupFor(memo->viewport(), {});
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(captions(menu).last(), "What's this?");
    auto helpBoxes = [] {
        int n = 0;
        for (QWidget* w : QApplication::allWidgets())
            n += QString(w->metaObject()->className()) == "QWhatsThat";
        return n;
    };
    EXPECT_EQ(helpBoxes(), 0);
    menu->actions().last()->trigger();
    EXPECT_EQ(helpBoxes(), 1);
    QWhatsThis::hideText();
    menu->close();
}

}  // namespace
}  // namespace rp
