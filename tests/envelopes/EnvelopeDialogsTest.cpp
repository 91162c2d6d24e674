// The two dialogs offscreen: the size dialog's captions, units and Save, and the Select
// Envelope Size list on the delivered definition file.
#include "EnvelopeFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "envelopes/EnvelopeSizeDialog.h"
#include "envelopes/SelectEnvelopeSizeDialog.h"
#include "envelopes/SideRows.h"

namespace rp {
namespace {

TEST(EnvelopeSizeDialogTest, SavesMillimetresAsInchesAndStaysOpenOnARefusal) {
    ScriptedMessages messages;
    MessagesScope scope(messages);
    EnvelopeSizeDialog dialog(newEnvelopeSizeTemplate());
    EXPECT_EQ(dialog.windowTitle(), "Add New Envelope Size");
    EXPECT_EQ(dialog.helpTopic(), 1000);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.inchesButton()->isChecked());
    EXPECT_EQ(dialog.nameEdit()->text(), "[enter new name]");
    EXPECT_EQ(dialog.descriptionEdit()->text(), "[enter description]");
    EXPECT_EQ(dialog.widthEdit()->text(), "9.50");
    EXPECT_EQ(dialog.heightEdit()->text(), "4.13");

    QTest::mouseClick(dialog.millimetresButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.millimetresButton()->isChecked());
    EXPECT_EQ(dialog.widthEdit()->text(), "241");
    EXPECT_EQ(dialog.heightEdit()->text(), "105");

    dialog.heightEdit()->clear();
    QTest::keyClicks(dialog.heightEdit(), "50");
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    EXPECT_EQ(messages.texts(), QStringList{"Envelope Height must be at least 2 inches (50mm)"});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.widthEdit()->clear();
    QTest::keyClicks(dialog.widthEdit(), "240");
    dialog.heightEdit()->clear();
    QTest::keyClicks(dialog.heightEdit(), "110");
    dialog.nameEdit()->setText("Euro wide");
    dialog.descriptionEdit()->setText("240 x 110 mm");
    QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    const EnvelopeSize saved = dialog.saved();
    EXPECT_NEAR(saved.width, 9.449, 0.0005);
    EXPECT_NEAR(saved.height, 4.331, 0.0005);
    EXPECT_EQ(saved.name, "Euro wide");
    EXPECT_EQ(saved.description, "240 x 110 mm");
    EXPECT_EQ(messages.texts().size(), 1);
}

TEST(EnvelopeSizeDialogTest, EditingChangesTheCaptionAndCancelGivesNoResult) {
    EnvelopeSizeDialog dialog({"Mine", "mine", 8, 3.5, true});
    dialog.setEditing(true);
    EXPECT_EQ(dialog.windowTitle(), "Edit Envelope Size");
    EXPECT_EQ(dialog.widthEdit()->text(), "8.00");
    EXPECT_EQ(dialog.heightEdit()->text(), "3.50");
    dialog.show();
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(EnvelopeSizeDialogTest, ALengthLargerThanAPageIsRefusedAndTheDialogStaysOpen) {
    ScriptedMessages messages;
    MessagesScope scope(messages);
    for (bool editing : {false, true}) {
        EnvelopeSizeDialog dialog({"Banner", "long", 9.5, 4.13, true});
        dialog.setEditing(editing);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.widthEdit()->clear();
        QTest::keyClicks(dialog.widthEdit(), "240");
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << editing;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        dialog.widthEdit()->clear();
        QTest::keyClicks(dialog.widthEdit(), "200");
        dialog.heightEdit()->clear();
        QTest::keyClicks(dialog.heightEdit(), "201.5");
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()) << editing;
        dialog.heightEdit()->clear();
        QTest::keyClicks(dialog.heightEdit(), "200");
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << editing;
        EXPECT_DOUBLE_EQ(dialog.saved().width, 200.0);
    }
    const QString width = "Width: a page can be at most 200 inches (508 cm) a side.";
    const QString height = "Height: a page can be at most 200 inches (508 cm) a side.";
    EXPECT_EQ(messages.texts(), (QStringList{width, height, width, height}));
    for (const ScriptedMessages::Shown& shown : messages.shown())
        EXPECT_EQ(shown.kind, "information");
}

class SelectEnvelopeSizeDialogTest : public EnvelopeFixture {};

TEST_F(SelectEnvelopeSizeDialogTest, StandsOnTheSetupsEnvelopeAndKeepsPredefinedRows) {
    auto sizes = open("RVPENVS.DBF");
    SelectEnvelopeSizeDialog dialog(*sizes, "Envelope #6 3/4");
    std::vector<bool> editedWith;
    dialog.editSize = [&](const EnvelopeSize& initial,
                          bool editing) -> std::optional<EnvelopeSize> {
        editedWith.push_back(editing);
        if (editing) return std::nullopt;
        EnvelopeSize made = initial;
        made.name = "Square";
        made.description = "6 x 6 in";
        made.width = made.height = 6;
        return made;
    };
    EXPECT_EQ(dialog.windowTitle(), "Select Envelope Size");
    EXPECT_EQ(dialog.helpTopic(), 1041);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QAbstractItemModel* model = dialog.grid()->model();
    ASSERT_EQ(model->columnCount(), 4);
    QStringList titles;
    for (int c = 0; c < 4; ++c) titles << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(titles, (QStringList{"Name", "Size", "WIDTH", "HEIGHT"}));
    EXPECT_EQ(model->rowCount(), 18);
    EXPECT_EQ(dialog.grid()->currentIndex().row(), 2);
    EXPECT_EQ(model->index(2, 1).data().toString(), "3 5/8 x 6 1/2 in");
    EXPECT_EQ(model->index(2, 2).data().toString(), "6.5");
    EXPECT_EQ(dialog.chosen()->name, "Envelope #6 3/4");

    // Insert does nothing in the list.
    dialog.grid()->setFocus();
    QTest::keyClick(dialog.grid(), Qt::Key_Insert);
    EXPECT_EQ(model->rowCount(), 18);
    EXPECT_EQ(sizes->recordCount(), 18u);

    // A predefined row: Edit and Delete are refused.
    QTest::mouseClick(dialog.editButton(), Qt::LeftButton);
    QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
    EXPECT_EQ(messages.texts(), (QStringList{"You may only edit User Defined envelopes",
                                             "You may only delete User Defined envelopes"}));
    EXPECT_TRUE(editedWith.empty());

    // New adds a row of the user's, which the list shows and stands on.
    QTest::mouseClick(dialog.newButton(), Qt::LeftButton);
    EXPECT_EQ(editedWith, std::vector<bool>{false});
    EXPECT_EQ(model->rowCount(), 19);
    EXPECT_EQ(dialog.grid()->currentIndex().row(), 18);
    EXPECT_EQ(model->index(18, 0).data().toString(), "Square");
    QTest::mouseClick(dialog.editButton(), Qt::LeftButton);
    EXPECT_EQ(editedWith, (std::vector<bool>{false, true}));

    // Clicking a row makes it current; OK ends with it.
    const QRect cell = dialog.grid()->visualRect(model->index(4, 0));
    QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(dialog.chosen()->name, "Monarch");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosen(), (EnvelopeSize{"Monarch", "3 7/8 x 7 1/2 in", 7.5, 3.875, false}));
}

TEST_F(SelectEnvelopeSizeDialogTest, AnUnknownEnvelopeLeavesTheListPastItsLastRow) {
    auto sizes = open("RVPENVS.DBF");
    SelectEnvelopeSizeDialog dialog(*sizes, "No such envelope");
    EXPECT_FALSE(dialog.grid()->currentIndex().isValid());
    EXPECT_FALSE(dialog.chosen());
    EXPECT_TRUE(sizes->eof());
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST_F(SelectEnvelopeSizeDialogTest, AMissingDefinitionFileIsToldAndNoDialogShown) {
    ASSERT_TRUE(QFile::remove(path("RVPENVS.DBF")));
    EXPECT_FALSE(chooseEnvelopeSize(engine, folder(), "Envelope #10", nullptr));
    EXPECT_EQ(
        messages.texts(),
        QStringList{
            "We were unable to open the envelope definition file: RVPENVS.DBF\r\nCannot open " +
            path("RVPENVS.DBF") + ": No such file or directory"});
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(),
                             QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return w->isVisible(); }));
}

}  // namespace
}  // namespace rp
