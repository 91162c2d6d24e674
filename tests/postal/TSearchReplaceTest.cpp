// "Search and Replace": its choices, the question before any change, and the replacing run
// with its closing messages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/AddressFileFixture.h"
#include "postal/TSearchReplace.h"

namespace rp {
namespace {

class SearchReplaceDialog : public AddressFileFixture {
protected:
    void SetUp() override
    {
        AddressFileFixture::SetUp();
        boise = add({{"LNAME", "Adams"}, {"CITY", "Boise"}});
        reno = add({{"LNAME", "Baker"}, {"CITY", "Reno"}});
        other = add({{"LNAME", "Clark"}, {"CITY", "boise"}});
    }

    std::string city(std::uint32_t record)
    {
        table->go(record);
        return table->text("CITY");
    }

    std::uint32_t boise = 0, reno = 0, other = 0;
};

TEST_F(SearchReplaceDialog, OpensOnTheFirstFieldAndCutsTheTextsToTheFieldChosen)
{
    TSearchReplace dialog(table.table(), false);
    EXPECT_EQ(dialog.windowTitle(), "Search and Replace");
    EXPECT_EQ(dialog.helpTopic(), 4570);
    EXPECT_EQ(dialog.fieldChoice()->count(), 14);
    EXPECT_EQ(dialog.fieldChoice()->currentText(), "LastName");
    EXPECT_TRUE(dialog.exactButton()->isChecked());
    EXPECT_EQ(dialog.exactButton()->text(), "Is exactly equal to  (leave empty for blank)");
    EXPECT_TRUE(dialog.caseSensitiveBox()->isChecked());
    EXPECT_TRUE(dialog.wholeFieldButton()->isChecked());
    EXPECT_TRUE(dialog.allRecordsButton()->isChecked());
    EXPECT_FALSE(dialog.filteredButton()->isEnabled());
    EXPECT_EQ(dialog.findEdit()->maxLength(), 30);

    dialog.findEdit()->setText("Smith");
    dialog.replacementEdit()->setText("Jones");
    dialog.fieldChoice()->setCurrentText("Zip");
    EXPECT_EQ(dialog.replacementEdit()->maxLength(), 10);
    dialog.fieldChoice()->setCurrentText("Middle Initial");
    EXPECT_EQ(dialog.findEdit()->text(), "S");
    EXPECT_EQ(dialog.replacementEdit()->text(), "J");

    TSearchReplace filtered(table.table(), true);
    EXPECT_TRUE(filtered.filteredButton()->isEnabled());
    EXPECT_TRUE(filtered.allRecordsButton()->isChecked());
}

TEST_F(SearchReplaceDialog, NoToTheQuestionChangesNothingAndAnUnstorableTextIsRefused)
{
    TSearchReplace dialog(table.table(), false);
    dialog.fieldChoice()->setCurrentText("City");
    dialog.findEdit()->setText("Boise");
    dialog.caseSensitiveBox()->setChecked(false);
    dialog.replacementEdit()->setText("Nampa");
    shown.answer(false);
    dialog.ReplaceNowButtonClick();
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "question");
    EXPECT_EQ(shown.shown()[0].caption, "Replace");
    EXPECT_EQ(shown.shown()[0].text, "Find records where field City\rexactly matches: \"Boise\" (not case sensitive)\r"
                                     "and replace the entire field with \"Nampa\"");
    EXPECT_EQ(city(boise), "Boise");
    EXPECT_TRUE(dialog.replaceButton()->isEnabled());
    EXPECT_FALSE(dialog.choices()->isHidden());

    shown.clear();
    dialog.replacementEdit()->setText(QStringLiteral("\u0142\u00f3d\u017a"));
    dialog.ReplaceNowButtonClick();
    EXPECT_EQ(shown.texts(), QStringList{QStringLiteral("The character \"\u0142\" cannot be stored in a Ravenpost file.")});
    EXPECT_EQ(shown.unansweredLeft(), 0);
}

TEST_F(SearchReplaceDialog, ReplacingOverAllRecordsClearsTheFilterAndCloses)
{
    table->setFilter("LNAME=\"Adams\"");
    TSearchReplace dialog(table.table(), true);
    dialog.fieldChoice()->setCurrentText("City");
    dialog.containsButton()->setChecked(true);
    dialog.findEdit()->setText("oi");
    dialog.caseSensitiveBox()->setChecked(false);
    dialog.matchingTextButton()->setChecked(true);
    dialog.replacementEdit()->setText("OY");
    shown.answer(true);
    dialog.ReplaceNowButtonClick();
    EXPECT_EQ(shown.texts().mid(1), (QStringList{"Replaced 2 records", "Replacement done"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(table->filter(), "");
    EXPECT_EQ(dialog.gauge()->value(), 100);
    EXPECT_TRUE(dialog.choices()->isHidden());
    EXPECT_FALSE(dialog.replaceButton()->isEnabled());
    EXPECT_TRUE(dialog.cancelButton()->isHidden());
    EXPECT_EQ(city(boise), "BOYse");
    EXPECT_EQ(city(other), "bOYse");
}

TEST_F(SearchReplaceDialog, ReplacingTheFilteredRecordsKeepsTheFilterAndTellsWhatDidNotFit)
{
    table->setFilter("CITY<>\"Reno\"");
    add({{"LNAME", "Dunn"}, {"CITY", std::string(30, 'o')}});
    TSearchReplace dialog(table.table(), true);
    dialog.fieldChoice()->setCurrentText("City");
    dialog.containsButton()->setChecked(true);
    dialog.findEdit()->setText("o");
    dialog.matchingTextButton()->setChecked(true);
    dialog.replacementEdit()->setText("oo");
    dialog.filteredButton()->setChecked(true);
    shown.answer(true);
    dialog.ReplaceNowButtonClick();
    EXPECT_EQ(shown.texts().mid(1),
              (QStringList{"Replaced 2 records", "1 record was left unchanged: the new value would not fit in the field.",
                           "Replacement done"}));
    EXPECT_EQ(table->filter(), "CITY<>\"Reno\"");
    EXPECT_EQ(city(boise), "Booise");
    EXPECT_EQ(city(other), "booise");
    EXPECT_EQ(city(reno), "Reno");
}

}  // namespace
}  // namespace rp
