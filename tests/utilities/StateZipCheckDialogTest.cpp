// The "Check State and Zip  Codes" dialog offscreen: its panels and buttons through a failed
// and a finished check, editing a found record, and editing the state/province table.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"
#include "support/StateZipTableFile.h"
#include "utilities/StateZipCheck.h"
#include "utilities/StateZipCheckDialog.h"

namespace rp {
namespace {

class StateZipCheckDialogTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "Adams"}, {"STATE", "NY"}, {"ZIP", "20001"}, {"CITY", "Albany"}});
        add({{"LNAME", "Baker"}, {"STATE", "NY"}, {"ZIP", "12345"}});
        table->setFilter(kStandingCondition.toStdString());
    }
    QString folder() const { return QString::fromStdString(dir.path()) + "/"; }
};

TEST_F(StateZipCheckDialogTest, FailedCheckThenResultsEditedInPlaceThenTheStateTableEdited) {
    StateZipCheckDialog dialog(table.table(), folder());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Check State and Zip  Codes");
    EXPECT_EQ(dialog.helpTopic(), 1008);
    EXPECT_FALSE(dialog.blanksBox()->isChecked());
    // Both grids' navigators name their second button "Previous".
    QStringList hints;
    for (const QToolButton* b : dialog.findChildren<QToolButton*>())
        if (b->toolTip() == "Previous" || b->toolTip() == "Prior") hints << b->toolTip();
    EXPECT_EQ(hints, (QStringList{"Previous", "Previous"}));

    // No state table yet: told, and the setup panel is back with its buttons.
    dialog.checkButton()->click();
    EXPECT_EQ(shown.texts(), QStringList{"Unable to open RVPSZCK.DBF\r\nCannot open " + folder() +
                                         "RVPSZCK.DBF: No such file or directory"});
    EXPECT_TRUE(dialog.setupPanel()->isVisible());
    EXPECT_TRUE(dialog.closeButton()->isVisible());
    EXPECT_FALSE(dialog.checked());

    writeStateZipTable(engine, dir.file("RVPSZCK.DBF"), {{"New York", "NY", "10000", "14999"}});
    dialog.checkButton()->click();
    EXPECT_TRUE(dialog.checked());
    EXPECT_FALSE(dialog.setupPanel()->isVisible());
    EXPECT_TRUE(dialog.resultsPanel()->isVisible());
    EXPECT_FALSE(dialog.countLine()->isVisible());
    EXPECT_EQ(dialog.countLine()->text(), "Found 1 records with questionable state or zipcodes");
    EXPECT_TRUE(dialog.closeButton()->isVisible());
    EXPECT_TRUE(dialog.editTableButton()->isVisible());
    EXPECT_FALSE(dialog.cancelButton()->isVisible());

    RecordGridModel* found = dialog.resultsModel();
    ASSERT_EQ(found->rowCount(), 1);
    QStringList headers;
    for (int c = 0; c < found->columnCount(); ++c)
        headers << found->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Zip/Postal Code", "State/Province", "Last", "First",
                                    "Organization", "Street Address", "City", "Country"}));
    EXPECT_EQ(found->data(found->index(0, 6)).toString(), "Albany");
    // An edit that is cancelled leaves the record; one that is saved reaches the file.
    EXPECT_TRUE(found->setData(found->index(0, 0), "99999"));
    dialog.onCancelEditClicked();
    EXPECT_EQ(found->data(found->index(0, 0)).toString(), "20001");
    EXPECT_TRUE(found->setData(found->index(0, 0), "12000"));
    dialog.onSaveClicked();
    EXPECT_FALSE(table->editing());
    table->go(1);
    EXPECT_EQ(table->text("ZIP"), "12000");

    // The state table in its own panel; a row added, another deleted.
    dialog.editTableButton()->click();
    EXPECT_TRUE(dialog.editingTable());
    EXPECT_EQ(dialog.editTableButton()->text(), "Stop Editing");
    EXPECT_TRUE(dialog.tablePanel()->isVisible());
    EXPECT_FALSE(dialog.resultsPanel()->isVisible());
    EXPECT_FALSE(dialog.cancelButton()->isEnabled());
    RecordGridModel* states = dialog.stateModel();
    ASSERT_EQ(states->rowCount(), 1);
    dialog.appendStateRow();
    ASSERT_EQ(states->rowCount(), 2);
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(states->setData(states->index(1, c),
                                    QStringList{"Ontario", "ON", "K0A 0A0", "P9Z 9Z9"}[c]));
    dialog.onSaveClicked();
    dialog.stateGrid()->setCurrentIndex(states->index(0, 0));
    dialog.onDeleteClicked();
    EXPECT_EQ(states->rowCount(), 1);
    dialog.editTableButton()->click();
    EXPECT_EQ(dialog.editTableButton()->text(), "Edit State/Province File");
    EXPECT_TRUE(dialog.resultsPanel()->isVisible());
    EXPECT_TRUE(dialog.cancelButton()->isEnabled());

    auto check = openStateZipTable(engine, folder(), false);
    ASSERT_NE(check, nullptr);
    engine.settings.hideDeleted = true;
    check->goTop();
    EXPECT_EQ(check->text("STATE"), "ON");
    EXPECT_EQ(check->text("HIGH_ZIP"), "P9Z 9Z9");
    check->skip();
    EXPECT_TRUE(check->eof());
}

}  // namespace
}  // namespace rp
