// "Search and Replace": its choices, the question before any change, and the replacing run
// with its closing messages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "support/AddressFileFixture.h"
#include "utilities/SearchReplaceDialog.h"

namespace rp {
namespace {

class SearchReplaceDialogTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        boise = add({{"LNAME", "Adams"}, {"CITY", "Boise"}});
        reno = add({{"LNAME", "Baker"}, {"CITY", "Reno"}});
        other = add({{"LNAME", "Clark"}, {"CITY", "boise"}});
    }

    std::string city(std::uint32_t record) {
        table->go(record);
        return table->text("CITY");
    }

    // City, "Contains", find text, case, "Replace only the matching text with", replacement.
    void ask(SearchReplaceDialog& dialog, const char* find, bool caseSensitive,
             const char* replacement) {
        dialog.fieldChoice()->setCurrentText("City");
        dialog.containsButton()->setChecked(true);
        dialog.findEdit()->setText(find);
        dialog.caseSensitiveBox()->setChecked(caseSensitive);
        dialog.matchingTextButton()->setChecked(true);
        dialog.replacementEdit()->setText(replacement);
    }

    std::uint32_t boise = 0, reno = 0, other = 0;
};

TEST_F(SearchReplaceDialogTest, OpensOnTheFirstFieldAndCutsTheTextsToTheFieldChosen) {
    SearchReplaceDialog dialog(table.table(), false);
    EXPECT_EQ(dialog.windowTitle(), "Search and Replace");
    EXPECT_EQ(dialog.fieldChoice()->currentText(), "LastName");
    EXPECT_EQ(dialog.findEdit()->maxLength(), 30);
    EXPECT_TRUE(dialog.exactButton()->isChecked() && dialog.caseSensitiveBox()->isChecked() &&
                dialog.wholeFieldButton()->isChecked() && dialog.allRecordsButton()->isChecked());
    EXPECT_FALSE(dialog.filteredButton()->isEnabled());

    dialog.findEdit()->setText("Smith");
    dialog.replacementEdit()->setText("Jones");
    dialog.fieldChoice()->setCurrentText("Middle Initial");
    EXPECT_EQ(dialog.findEdit()->text(), "S");
    EXPECT_EQ(dialog.replacementEdit()->text(), "J");
    EXPECT_EQ(dialog.replacementEdit()->maxLength(), 1);
}

TEST_F(SearchReplaceDialogTest, NoToTheQuestionChangesNothingAndAnUnstorableTextIsRefused) {
    SearchReplaceDialog dialog(table.table(), false);
    ask(dialog, "Boise", false, "Nampa");
    shown.answer(false);
    dialog.onReplaceNowClicked();
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].caption, "Replace");
    EXPECT_EQ(shown.shown()[0].text,
              "Find records where field City\rcontains: \"Boise\" (not case sensitive)\r"
              "and replace only the matching text with \"Nampa\"");
    EXPECT_EQ(city(boise), "Boise");
    EXPECT_FALSE(dialog.choices()->isHidden());

    shown.clear();
    dialog.replacementEdit()->setText(QStringLiteral("\u0142\u00f3d\u017a"));
    dialog.onReplaceNowClicked();
    EXPECT_EQ(shown.texts(),
              QStringList{QStringLiteral(
                  "The character \"\u0142\" cannot be stored in a Ravenpost file.")});
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(city(boise), "Boise");
}

TEST_F(SearchReplaceDialogTest, AllRecordsClearTheFilterAndTheFilteredRecordsKeepIt) {
    table->setFilter("CITY<>\"Reno\"");
    SearchReplaceDialog all(table.table(), true);
    ask(all, "oi", false, "OY");
    shown.answer(true);
    all.onReplaceNowClicked();
    EXPECT_EQ(shown.texts().mid(1), (QStringList{"Replaced 2 records", "Replacement done"}));
    EXPECT_EQ(all.result(), QDialog::Accepted);
    EXPECT_EQ(table->filter(), "");
    EXPECT_EQ(all.gauge()->value(), 100);
    EXPECT_TRUE(all.choices()->isHidden() && all.cancelButton()->isHidden());
    EXPECT_FALSE(all.replaceButton()->isEnabled());
    EXPECT_EQ(city(boise), "BOYse");
    EXPECT_EQ(city(other), "bOYse");

    shown.clear();
    table->setFilter("CITY<>\"Reno\"");
    add({{"LNAME", "Dunn"}, {"CITY", std::string(30, 'O')}});
    SearchReplaceDialog filtered(table.table(), true);
    ask(filtered, "O", true, "00");
    filtered.filteredButton()->setChecked(true);
    shown.answer(true);
    filtered.onReplaceNowClicked();
    EXPECT_EQ(shown.texts().mid(1),
              (QStringList{"Replaced 2 records",
                           "1 record was left unchanged: the new value would not fit in the field.",
                           "Replacement done"}));
    EXPECT_EQ(table->filter(), "CITY<>\"Reno\"");
    EXPECT_EQ(city(boise), "B00Yse");
    EXPECT_EQ(city(reno), "Reno");
}

}  // namespace
}  // namespace rp
