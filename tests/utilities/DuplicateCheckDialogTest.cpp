// The "Check and Repair Duplicates" dialog offscreen: the setup panel and its choices, a check
// shown in the editable grid, Street moved first, Save and Undo, Delete with its question and
// marks, Cancel halfway showing what was found, and a work index that cannot be made.
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <fstream>

#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"
#include "utilities/DuplicateCheckDialog.h"
#include "utilities/GridNavigator.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class DuplicateCheckDialogTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "JONES"}, {"FNAME", "MARY"}, {"STREET", "123 Main Street"}});
        add({{"LNAME", "Jones"}, {"FNAME", "mary"}, {"STREET", "9 Elm Rd"}});
        add({{"LNAME", "Smith"}, {"FNAME", "Al"}, {"STREET", "123 Main St"}});
        engine.settings.hideDeleted = true;
        table->setFilter(kStandingCondition.toStdString());
    }
    QString folder() const { return QString::fromStdString(dir.path()) + "/"; }
    static QStringList headers(const RecordGridModel* model) {
        QStringList names;
        for (int c = 0; c < model->columnCount(); ++c)
            names << model->headerData(c, Qt::Horizontal).toString();
        return names;
    }
};

TEST_F(DuplicateCheckDialogTest, SetupThenNameCheckEditedAndDeletedInPlace) {
    DuplicateCheckDialog dialog(table.table(), folder());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Check and Repair Duplicates");
    EXPECT_EQ(dialog.helpTopic(), 1007);
    EXPECT_TRUE(dialog.choiceButton(DuplicateKind::Name)->isChecked());
    EXPECT_EQ(dialog.kind(), DuplicateKind::Name);
    EXPECT_FALSE(dialog.streetCharactersBox()->isVisible());
    dialog.choiceButton(DuplicateKind::Street)->setChecked(true);
    EXPECT_TRUE(dialog.streetCharactersBox()->isVisible());
    EXPECT_EQ(dialog.streetCharactersBox()->value(), 30);
    EXPECT_EQ(dialog.streetCharactersBox()->maximum(), 30);
    EXPECT_EQ(dialog.streetCharactersBox()->minimum(), 1);
    dialog.choiceButton(DuplicateKind::Name)->setChecked(true);
    EXPECT_FALSE(dialog.streetCharactersBox()->isVisible());
    EXPECT_FALSE(dialog.resultsPanel()->isVisible());

    dialog.checkButton()->click();
    EXPECT_TRUE(dialog.checked());
    EXPECT_FALSE(dialog.setupPanel()->isVisible());
    EXPECT_TRUE(dialog.resultsPanel()->isVisible());
    EXPECT_FALSE(dialog.progressBar()->isVisible());
    EXPECT_TRUE(dialog.countLine()->isVisible());
    EXPECT_EQ(dialog.countLine()->text(), "Found 1 possible duplicates");
    EXPECT_TRUE(dialog.closeButton()->isVisible());
    EXPECT_TRUE(dialog.helpButton()->isVisible());
    EXPECT_FALSE(dialog.cancelButton()->isVisible());
    EXPECT_TRUE(QFile::exists(folder() + "_chkdup.idx"));

    RecordGridModel* found = dialog.resultsModel();
    ASSERT_EQ(found->rowCount(), 2);
    EXPECT_EQ(
        headers(found),
        (QStringList{"Last", "First", "Mi.", "Prefix", "Title", "Organization", "Street", "City",
                     "State/Prov", "Zip/Postal", "Country", "Phone", "E-mail", "Fax", "Codes"}));
    EXPECT_TRUE(found->flags(found->index(0, 6)) & Qt::ItemIsEditable);
    QStringList hints;
    for (auto m :
         {GridNavigator::First, GridNavigator::Prior, GridNavigator::Next, GridNavigator::Last})
        hints << dialog.navigator()->button(m)->toolTip();
    EXPECT_EQ(hints, (QStringList{"First", "Prior", "Next", "Last"}));

    // Undo drops an edit; Save posts it.
    EXPECT_TRUE(found->setData(found->index(0, 7), "Albany"));
    dialog.onUndoClicked();
    EXPECT_EQ(found->data(found->index(0, 7)).toString(), "");
    EXPECT_TRUE(found->setData(found->index(0, 7), "Boise"));
    dialog.onSaveClicked();
    EXPECT_FALSE(table->editing());
    table->go(found->recordAt(0));
    EXPECT_EQ(table->text("CITY"), "Boise");

    // Delete: No keeps the record, Yes marks it and sets its prefix.
    dialog.grid()->setCurrentIndex(found->index(1, 0));
    const std::uint32_t second = found->recordAt(1);
    shown.answer(false);
    dialog.onDeleteClicked();
    EXPECT_EQ(found->rowCount(), 2);
    shown.answer(true);
    dialog.onDeleteClicked();
    ASSERT_EQ(shown.shown().size(), 2u);
    EXPECT_EQ(shown.shown()[1].text, "Delete this record?");
    EXPECT_EQ(found->rowCount(), 1);
    EXPECT_TRUE(engine.settings.hideDeleted);
    table->go(second);
    EXPECT_TRUE(table->deleted());
    EXPECT_EQ(table->text("PREFIX"), "DELETED");

    // No return to the setup panel; Close closes.
    dialog.checkButton()->click();
    EXPECT_FALSE(dialog.setupPanel()->isVisible());
    dialog.closeButton()->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DuplicateCheckDialogTest, StreetCheckPutsStreetFirst) {
    DuplicateCheckDialog dialog(table.table(), folder());
    dialog.show();
    dialog.choiceButton(DuplicateKind::Street)->setChecked(true);
    dialog.streetCharactersBox()->setValue(10);
    dialog.checkButton()->click();
    EXPECT_EQ(dialog.countLine()->text(), "Found 1 possible duplicates");
    RecordGridModel* found = dialog.resultsModel();
    ASSERT_EQ(found->rowCount(), 2);
    EXPECT_EQ(headers(found).first(), "Street");
    EXPECT_EQ(headers(found)[1], "Last");
    EXPECT_EQ(found->columnCount(), 15);
    EXPECT_EQ(found->data(found->index(0, 0)).toString(), "123 Main St");
}

TEST_F(DuplicateCheckDialogTest, CancelHalfwayShowsWhatWasFound) {
    for (int i = 0; i < 200; ++i) add({{"LNAME", "Zed"}, {"FNAME", "Al"}});
    DuplicateCheckDialog dialog(table.table(), folder());
    dialog.show();
    bool asked = false;
    QObject::connect(dialog.progressBar(), &QProgressBar::valueChanged, &dialog, [&](int value) {
        if (value < 50 || asked) return;
        asked = true;
        EXPECT_TRUE(dialog.cancelButton()->isVisible());
        EXPECT_FALSE(dialog.closeButton()->isVisible());
        EXPECT_FALSE(dialog.helpButton()->isVisible());
        EXPECT_FALSE(dialog.pointerHelpButton()->isVisible());
        dialog.closeButton()->click();  // hidden and refused while busy
        shown.answer(true);
        dialog.cancelButton()->click();
    });
    dialog.checkButton()->click();
    ASSERT_TRUE(asked);
    EXPECT_EQ(shown.shown().back().text, "Cancel operation?");
    EXPECT_TRUE(dialog.checked());
    EXPECT_TRUE(dialog.resultsPanel()->isVisible());
    const std::uint32_t found = dialog.foundCount();
    EXPECT_GT(found, 1u);
    EXPECT_LT(found, 200u);
    EXPECT_EQ(dialog.countLine()->text(),
              "Found " + QString::number(found) + " possible duplicates");
    // The JONES pair and a run of Zed records.
    EXPECT_EQ(dialog.resultsModel()->rowCount(), static_cast<int>(found) + 2);
}

// The work index's folder is a plain file, so the index cannot be made, even by root.
TEST_F(DuplicateCheckDialogTest, AWorkIndexThatCannotBeMadeLeavesOnlyClose) {
    std::ofstream(dir.file("plain.txt")) << "a file, not a folder";
    const QString folder = QString::fromStdString(dir.file("plain.txt")) + "/";
    table->setOrder("CITY");
    table->go(2);
    DuplicateCheckDialog dialog(table.table(), folder);
    dialog.show();
    dialog.checkButton()->click();

    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "error");
    EXPECT_EQ(shown.shown()[0].caption, "Error");
    EXPECT_EQ(shown.shown()[0].text, "Cannot create " + folder + "_chkdup.idx: Not a directory");
    EXPECT_EQ(table->filter(), kStandingCondition.toStdString());
    EXPECT_EQ(table->orderTagName(), "CITY");
    EXPECT_EQ(table->recNo(), 2u);

    EXPECT_FALSE(dialog.setupPanel()->isVisible());
    EXPECT_FALSE(dialog.resultsPanel()->isVisible());
    EXPECT_FALSE(dialog.grid()->isVisible());
    EXPECT_EQ(dialog.grid()->model(), nullptr);
    EXPECT_EQ(dialog.resultsModel(), nullptr);
    EXPECT_FALSE(dialog.navigator()->isVisible());
    EXPECT_TRUE(dialog.countLine()->isVisible());
    EXPECT_EQ(dialog.countLine()->text(),
              "The check could not be made. Close this window to go back.");
    EXPECT_FALSE(dialog.progressBar()->isVisible());
    QStringList buttons;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisible()) buttons << button->text();
    EXPECT_EQ(buttons, QStringList{"Close"});

    // Delete, Save and Undo do nothing, and there is no second check.
    dialog.onDeleteClicked();
    dialog.onSaveClicked();
    dialog.onUndoClicked();
    dialog.onPerformCheckNowClicked();
    EXPECT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(table->orderTagName(), "CITY");
    dialog.closeButton()->click();
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace rp
