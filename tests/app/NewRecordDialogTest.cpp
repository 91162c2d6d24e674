// The "New Record" prompt: which lines it asks for, Enter moving on and PageDown pressing OK.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/NewRecordDialog.h"

namespace rp {
namespace {

QString labelOfRow(const NewRecordDialog& prompt, int row) {
    auto* form = prompt.findChild<QFormLayout*>();
    auto* label = qobject_cast<QLabel*>(form->itemAt(row, QFormLayout::LabelRole)->widget());
    return label ? label->text() : QString();
}

TEST(NewRecordDialog, AsksOnlyForWhatThePreferencesWant) {
    NewRecordDialog zipOnly(true, false, nullptr);
    EXPECT_EQ(zipOnly.windowTitle(), "New Record");
    EXPECT_EQ(labelOfRow(zipOnly, 0), "Zip Code or Postal Code");
    EXPECT_EQ(zipOnly.zipEdit()->maxLength(), 10);
    EXPECT_EQ(zipOnly.lastNameEdit(), nullptr);

    NewRecordDialog both(true, true, nullptr);
    EXPECT_EQ(labelOfRow(both, 1), "Last Name");
    EXPECT_EQ(labelOfRow(both, 2), "First Name");
    EXPECT_EQ(both.firstNameEdit()->maxLength(), 30);
    QStringList captions;
    for (auto* b : both.findChildren<QPushButton*>()) captions << b->text();
    EXPECT_TRUE(captions.contains("OK [PgDn]"));
    EXPECT_TRUE(captions.contains("Cancel"));
}

TEST(NewRecordDialog, EnterMovesOnAndPageDownAccepts) {
    NewRecordDialog prompt(true, true, nullptr);
    prompt.show();
    QApplication::setActiveWindow(&prompt);
    prompt.zipEdit()->setFocus();
    QTest::keyClicks(prompt.zipEdit(), "02101");
    QTest::keyClick(prompt.zipEdit(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), prompt.lastNameEdit());
    EXPECT_TRUE(prompt.isVisible());
    QTest::keyClicks(prompt.lastNameEdit(), "Brown");
    QTest::keyClick(prompt.lastNameEdit(), Qt::Key_PageDown);
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
    const NewRecordValues v = prompt.values();
    EXPECT_EQ(v.zip, "02101");
    EXPECT_EQ(v.lastName, "Brown");
    EXPECT_EQ(v.firstName, "");
}

}  // namespace
}  // namespace rp
