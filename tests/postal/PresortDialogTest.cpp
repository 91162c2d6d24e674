// "Bulk Mail Presorting": the window runs the presort as soon as it is shown, closes itself,
// and asks before a cancel; its done mark says whether the list may be used.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "PresortFixture.h"
#include "postal/PresortDialog.h"

namespace rp {
namespace {

using SortBulkMailWindow = PresortFixture;

TEST_F(SortBulkMailWindow, RunsWhenShownAndClosesItselfDone) {
    addZip("12345", 10);
    PresortDialog window(table.table(), folder(), nullptr);
    EXPECT_EQ(window.windowTitle(), "Bulk Mail Presorting");
    EXPECT_FALSE(window.doneCheck());
    QTimer::singleShot(5000, &window, [&window] {
        window.done(QDialog::Rejected);
    });  // a hung run fails, not hangs
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(window.doneCheck());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.statusLabel()->text(), "Sorting Zip Codes...");
    EXPECT_EQ(fileLines(), (Lines{"** 5-digit 12345", "12345"}));
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(SortBulkMailWindow, CancelConfirmedStopsTheRunWithoutAList) {
    addZip("12345", 300);
    shown.answer(true);
    PresortDialog window(table.table(), folder(), nullptr);
    QTimer::singleShot(0, window.cancelButton(), &QPushButton::click);
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_FALSE(window.doneCheck());
    EXPECT_FALSE(QFile::exists(listPath()));
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "question");
    EXPECT_EQ(shown.shown()[0].caption, "Confirm");
    EXPECT_EQ(shown.shown()[0].text, "Cancel PRESORT?");
}

TEST_F(SortBulkMailWindow, CancelAnsweredNoLetsTheRunFinish) {
    addZip("12345", 300);
    shown.answer(false);
    PresortDialog window(table.table(), folder(), nullptr);
    QTimer::singleShot(0, &window, &PresortDialog::reject);  // Esc and the close box ask the same
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(window.doneCheck());
    EXPECT_EQ(shown.texts(), QStringList{"Cancel PRESORT?"});
    EXPECT_EQ(fileLines(), (Lines{"** 5-digit 12345", "12345"}));
}

TEST_F(SortBulkMailWindow, RunReturnsTheDoneMark) {
    addZip("12345");
    EXPECT_TRUE(PresortDialog::run(table.table(), folder(), nullptr));
    EXPECT_EQ(fileLines(), (Lines{"** ADC ALBANY NY 120", "12345"}));
}

}  // namespace
}  // namespace rp
