// The search boxes: captions and prompts, the date format line of the Date order, the
// 255-character line, OK and Cancel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/MemoWalk.h"
#include "app/SearchPromptDialog.h"

namespace rp {
namespace {

QStringList buttonCaptions(const QWidget& w) {
    QStringList out;
    for (auto* b : w.findChildren<QPushButton*>()) out << b->text();
    return out;
}

QPushButton* button(const QWidget& w, const QString& caption) {
    for (auto* b : w.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

TEST(SearchPromptDialog, AsksForTheTickedOrdersCaption) {
    const auto box = SearchPromptDialog::forOrder("Last Name", "", nullptr);
    EXPECT_EQ(box->windowTitle(), "Search");
    EXPECT_EQ(box->promptLabel()->text(), "Search for Last Name");
    EXPECT_TRUE(box->dateFormatLabel()->isHidden());
    EXPECT_EQ(box->helpTopic(), 1027);
    EXPECT_EQ(buttonCaptions(*box), QStringList({"OK", "Cancel", "Help"}));
    EXPECT_EQ(box->text(), "");
}

TEST(SearchPromptDialog, TheDateOrderShowsTheShortDateFormat) {
    const auto box = SearchPromptDialog::forOrder("Date", "dd.mm.yyyy", nullptr);
    EXPECT_EQ(box->promptLabel()->text(), "Search for Date");
    EXPECT_FALSE(box->dateFormatLabel()->isHidden());
    EXPECT_EQ(box->dateFormatLabel()->text(), "(dd.mm.yyyy)");
}

TEST(SearchPromptDialog, TheMemoSearchBoxHoldsTheLastText) {
    const auto box = SearchPromptDialog::forMemo("county fair", nullptr);
    EXPECT_EQ(box->windowTitle(), "Memo Search");
    EXPECT_EQ(box->promptLabel()->text(), "Search For");
    EXPECT_TRUE(box->dateFormatLabel()->isHidden());
    EXPECT_EQ(box->helpTopic(), 1027);
    EXPECT_EQ(box->text(), "county fair");
    EXPECT_EQ(box->input()->selectedText(), "county fair");
}

TEST(SearchPromptDialog, ALongerPasteIsCutToItsFirst255Characters) {
    const auto box = SearchPromptDialog::forMemo("", nullptr);
    const QString kept(kMemoTextLimit, QLatin1Char('k'));
    box->input()->insert(kept + "cut off");
    EXPECT_EQ(box->text(), kept);
    const auto order = SearchPromptDialog::forOrder("City", "", nullptr);
    order->input()->insert(kept + "cut off");
    EXPECT_EQ(order->text().size(), kMemoTextLimit);
}

TEST(SearchPromptDialog, EnterAcceptsWhatWasTypedAndCancelRejects) {
    const auto box = SearchPromptDialog::forOrder("City", "", nullptr);
    box->show();
    QApplication::setActiveWindow(box.get());
    box->input()->setFocus();
    QTest::keyClicks(box->input(), "Bost");
    QTest::keyClick(box->input(), Qt::Key_Return);
    EXPECT_EQ(box->result(), QDialog::Accepted);
    EXPECT_EQ(box->text(), "Bost");

    const auto other = SearchPromptDialog::forMemo("fair", nullptr);
    other->show();
    button(*other, "Cancel")->click();
    EXPECT_EQ(other->result(), QDialog::Rejected);
    EXPECT_FALSE(other->isVisible());
}

}  // namespace
}  // namespace rp
