// The "Add / Edit Label Definition" and "Select Label Definition" dialogs, offscreen, on a copy
// of the delivered RVPLBLS.DBF.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "LabelSideFixture.h"
#include "data/SideGridModel.h"
#include "labels/LabelFiles.h"
#include "labels/LabelSetup.h"
#include "labels/LabelStockDialog.h"
#include "labels/SelectLabelStockDialog.h"

namespace rp {
namespace {

QStringList texts(const QWidget& dialog) {
    QStringList out;
    for (const QLabel* l : dialog.findChildren<QLabel*>()) out << l->text();
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) out << b->text();
    return out;
}

QPushButton* button(const QWidget& dialog, const QString& caption) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

LabelDefinition letterSheet() {
    LabelDefinition d;
    d.description = "Mine";
    d.labelHeight = 1.0f;
    d.labelWidth = 2.625f;
    d.across = 3;
    d.down = 10;
    d.horizontalPitch = 2.75f;
    d.verticalPitch = 1.0f;
    d.topMargin = 0.5f;
    d.leftMargin = 0.188f;
    d.sheetWidth = 8.5f;
    d.sheetDepth = 11.0f;
    d.paperSize = "USER";
    return d;
}

TEST_F(LabelSideTest, LabelEditShowsConvertsValidatesAndSaves) {
    LabelStockDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Add Label Definition");
    EXPECT_EQ(dialog.helpTopic(), 1001);
    const QStringList captions = texts(dialog);
    for (const char* c : {"Description", "Label Width", "Label Height", "Horizontal Pitch",
                          "Vertical Pitch", "# across", "# down", "Left Margin", "Top Margin",
                          "Paper size", "Paper Width", "Paper Height", "Tractor Fed (Dot Matrix)",
                          "In 1000's of an inch", "In Millimeters", "Save", "Cancel", "Help"})
        EXPECT_TRUE(captions.contains(c)) << c;
    EXPECT_EQ(dialog.descriptionEdit()->text(), "[enter description]");
    ASSERT_EQ(dialog.paperList()->count(), 7);
    EXPECT_EQ(dialog.paperList()->itemText(1), "Letter Landscape (11 x 8.5\")");
    EXPECT_EQ(dialog.acrossEdit()->maximum(), 10);
    EXPECT_EQ(dialog.downEdit()->maximum(), 30);
    EXPECT_EQ(dialog.acrossEdit()->minimum(), 1);

    LabelDefinition d = letterSheet();
    d.printerType = "DM";
    dialog.setDefinition(d);
    dialog.show();
    EXPECT_TRUE(dialog.inchButton()->isChecked());
    EXPECT_TRUE(dialog.tractorFedBox()->isChecked());
    EXPECT_EQ(dialog.paperList()->currentIndex(), 5);  // the old "USER" code
    EXPECT_EQ(dialog.labelWidthEdit()->text(), "2.625");
    EXPECT_EQ(dialog.leftMarginEdit()->text(), "0.188");

    // Millimetres: every length times 25.4, whole; back: times 1/25.4, three decimals.
    dialog.millimetreButton()->click();
    EXPECT_FALSE(dialog.inchMode());
    EXPECT_EQ(dialog.labelWidthEdit()->text(), "67");  // 66.675
    EXPECT_EQ(dialog.leftMarginEdit()->text(), "5");   // 4.775
    EXPECT_EQ(dialog.paperWidthEdit()->text(), "216");
    EXPECT_EQ(dialog.paperHeightEdit()->text(), "279");
    EXPECT_EQ(dialog.horizontalPitchEdit()->maximum(), 999);
    dialog.onPaperSizeChanged(2);  // A4 in millimetres
    EXPECT_EQ(dialog.paperWidthEdit()->text(), "210");
    EXPECT_EQ(dialog.paperHeightEdit()->text(), "297");
    dialog.onPaperSizeChanged(6);  // user defined: the sizes stay
    EXPECT_EQ(dialog.paperWidthEdit()->text(), "210");
    dialog.inchButton()->click();
    EXPECT_EQ(dialog.labelWidthEdit()->text(), "2.638");  // 67 mm
    EXPECT_EQ(dialog.paperWidthEdit()->text(), "8.268");
    dialog.onPaperSizeChanged(0);
    EXPECT_EQ(dialog.paperWidthEdit()->text(), "8.500");
    EXPECT_EQ(dialog.paperHeightEdit()->text(), "11.000");

    // 25 mm high and 66 mm wide are stored as 0.984 and 2.598; two across with the pitch
    // below the width are refused, and the dialog stays open.
    dialog.millimetreButton()->click();
    dialog.labelHeightEdit()->setValue(25);
    dialog.labelWidthEdit()->setValue(66);
    dialog.horizontalPitchEdit()->setValue(60);
    dialog.verticalPitchEdit()->setValue(25);
    dialog.acrossEdit()->setValue(2);
    button(dialog, "Save")->click();
    EXPECT_EQ(messages.texts(), QStringList{"Horizontal Pitch must be at least = Label Width"});
    EXPECT_EQ(messages.shown().back().caption, "Information");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.onLabelWidthEditingFinished();  // leaving the width raises the pitch to it
    EXPECT_EQ(dialog.horizontalPitchEdit()->value(), 66);
    dialog.tractorFedBox()->setChecked(false);
    dialog.descriptionEdit()->setText("Metric");
    button(dialog, "Save")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    const LabelDefinition saved = dialog.definition();
    EXPECT_EQ(saved.description, "Metric");
    EXPECT_EQ(saved.labelHeight, 0.984f);
    EXPECT_EQ(saved.labelWidth, 2.598f);
    EXPECT_EQ(saved.horizontalPitch, 2.598f);
    EXPECT_EQ(saved.across, 2);
    EXPECT_EQ(saved.down, 10);
    EXPECT_EQ(saved.sheetWidth, 8.504f);  // 216 mm
    EXPECT_EQ(saved.paperSize, "LTR");
    EXPECT_EQ(saved.printerType, "LJ");
}

TEST_F(LabelSideTest, LabelEditSavesAnOldUserCodeAsUserP) {
    LabelStockDialog dialog;
    dialog.setDefinition(letterSheet());
    dialog.onSaveClicked();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.definition().paperSize, "USERP");
    EXPECT_EQ(dialog.definition().printerType, "LJ");
    EXPECT_EQ(dialog.definition().labelWidth, 2.625f);
    EXPECT_TRUE(messages.texts().isEmpty());

    LabelDefinition unknown = letterSheet();
    unknown.paperSize = "B5";
    dialog.setDefinition(unknown);
    EXPECT_EQ(dialog.paperList()->currentIndex(), -1);
    dialog.descriptionEdit()->clear();
    dialog.onSaveClicked();
    EXPECT_EQ(messages.texts(), QStringList{"You must provide a description"});
}

class SelectLabelTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        stocks = open("RVPLBLS.DBF");
    }
    QString currentName() const {
        return stocks->eof() ? "(end)" : QString::fromStdString(stocks->text("USERDESC"));
    }
    std::unique_ptr<xbase::Table> stocks;
};

TEST_F(SelectLabelTest, OpensOnThePrinterTypeAndTheNamedStock) {
    SelectLabelStockDialog dialog(*stocks, "Avery 5160  Address,   1.00 x 2.63", "LJ");
    EXPECT_EQ(dialog.windowTitle(), "Select Label Definition");
    EXPECT_EQ(dialog.helpTopic(), 1042);
    QStringList headers;
    for (int c = 0; c < dialog.model()->columnCount(); ++c)
        headers << dialog.model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers,
              QStringList({"Label", "Height in.", "Width in.", "# Across", "# Down", "Top Margin",
                           "Left Margin", "Page Width", "Page Height", "Paper Size"}));
    for (const char* c :
         {"Laser or Inkjet", "Dot Matrix", "New", "Edit", "Delete", "OK", "Cancel", "Help"})
        EXPECT_TRUE(texts(dialog).contains(c)) << c;
    EXPECT_TRUE(dialog.laserButton()->isChecked());
    EXPECT_EQ(dialog.model()->rowCount(), 137);
    EXPECT_EQ(currentName(), "Avery 5160  Address,   1.00 x 2.63");
    EXPECT_EQ(dialog.model()->index(dialog.currentRow(), 9).data().toString(), "LTR");

    dialog.dotMatrixButton()->click();
    EXPECT_EQ(dialog.model()->rowCount(), 3);
    EXPECT_EQ(currentName(), "Avery 4013  Address,   0.94 x 3.50");

    // The Insert key adds nothing.
    dialog.show();
    QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
    QApplication::sendEvent(dialog.grid(), &insert);
    EXPECT_EQ(stocks->recordCount(), 140u);

    button(dialog, "OK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SelectLabelTest, AnUnknownStockChoosesNoRowAndOkWaitsForOne) {
    // Any printer type but "LJ" lists the dot matrix stock; the walk for an unknown name ends
    // after the last row.
    SelectLabelStockDialog dialog(*stocks, "Avery 5160", "");
    EXPECT_TRUE(dialog.dotMatrixButton()->isChecked());
    EXPECT_EQ(dialog.currentRow(), -1);
    EXPECT_EQ(currentName(), "(end)");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Return);
    dialog.okButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.selectRow(2);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(currentName(), "Avery 4030  Address,   0.94 x 3.50");
    dialog.selectRow(-1);
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    dialog.laserButton()->click();
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SelectLabelTest, NewEditAndDeleteChangeTheCatalogue) {
    SelectLabelStockDialog dialog(*stocks, "Avery 5160  Address,   1.00 x 2.63", "LJ");
    QString editorTitle;
    LabelDefinition prefilled;
    bool save = false;
    LabelDefinition entered;
    dialog.runEditor = [&](LabelStockDialog& editor) {
        editorTitle = editor.windowTitle();
        prefilled = editor.definition();
        if (save) {
            editor.setDefinition(entered);
            editor.onSaveClicked();
        }
        return save;
    };

    // New: prefilled from the row, "[New] " before its name; Cancel adds nothing.
    dialog.onNewClicked();
    EXPECT_EQ(editorTitle, "Add Label Definition");
    EXPECT_EQ(prefilled.description, "[New] Avery 5160  Address,   1.00 x 2.63");
    EXPECT_EQ(prefilled.leftMargin, 0.188f);
    EXPECT_EQ(stocks->recordCount(), 140u);

    save = true;
    entered = prefilled;
    entered.description = "My own";
    entered.labelWidth = 2.5f;
    dialog.onNewClicked();
    EXPECT_EQ(stocks->recordCount(), 141u);
    EXPECT_EQ(currentName(), "My own");
    EXPECT_EQ(stocks->text("LBLWIDTH") + " " + stocks->text("LEFTMARG"), "2.500 0.188");
    EXPECT_EQ(stocks->logical("USERDEF"), true);
    EXPECT_EQ(dialog.model()->rowCount(), 138);

    // Edit of a user-defined row asks nothing; of a predefined row asks first.
    entered.description = "My own, changed";
    dialog.onEditClicked();
    EXPECT_EQ(editorTitle, "Edit Label Definition");
    EXPECT_EQ(currentName(), "My own, changed");
    EXPECT_EQ(stocks->logical("USERDEF"), true);
    EXPECT_TRUE(messages.texts().isEmpty());

    dialog.selectRow(0);
    const QString predefined = currentName();
    const QString ask =
        "This is a predefined Avery label.\rChanging it may result in incorrect output.\r"
        "Are you sure you wish to modify it?";
    messages.answer(false);
    editorTitle.clear();
    dialog.onEditClicked();
    EXPECT_EQ(messages.texts(), QStringList{ask});
    EXPECT_TRUE(editorTitle.isEmpty());
    messages.answer(true);
    entered = prefilled;
    entered.description = "Changed Avery";
    dialog.onEditClicked();
    EXPECT_EQ(currentName(), "Changed Avery");
    EXPECT_EQ(stocks->logical("USERDEF"), false);
    EXPECT_EQ(stocks->recordCount(), 141u);

    // Delete: its question by kind of row; No keeps the row.
    messages.clear();
    messages.answer(false);
    dialog.onDeleteClicked();
    EXPECT_EQ(messages.texts(),
              QStringList{"This is a predefined Avery label. Are you sure you wish to delete it?"});
    EXPECT_EQ(dialog.model()->rowCount(), 138);
    messages.answer(true);
    dialog.onDeleteClicked();
    EXPECT_EQ(dialog.model()->rowCount(), 137);
    EXPECT_EQ(dialog.currentRow(), 0);
    dialog.selectRow(dialog.model()->rowOfRecord(141));
    EXPECT_EQ(currentName(), "My own, changed");
    messages.clear();
    messages.answer(true);
    dialog.onDeleteClicked();
    EXPECT_EQ(messages.texts(), QStringList{"Are you sure you wish to delete this label?"});
    EXPECT_EQ(dialog.model()->rowCount(), 136);
}

TEST_F(LabelSideTest, ChooseLabelDefinitionCopiesTheChosenStockOrTellsWhyNot) {
    LabelSetup setup = defaultLabelSetup();
    EXPECT_FALSE(chooseLabelDefinition(nullptr, engine, folder() + "missing/", setup));
    EXPECT_EQ(messages.texts(),
              QStringList{
                  "We were unable to open the label definition file: RVPLBLS.DBF\r\nCannot open " +
                  folder() + "missing/RVPLBLS.DBF: No such file or directory"});
    EXPECT_EQ(setup, defaultLabelSetup());

    EXPECT_FALSE(chooseLabelDefinition(nullptr, engine, folder(), setup,
                                       [](SelectLabelStockDialog&) { return false; }));
    EXPECT_EQ(setup, defaultLabelSetup());
    // OK with no row chosen copies nothing either.
    EXPECT_FALSE(
        chooseLabelDefinition(nullptr, engine, folder(), setup, [](SelectLabelStockDialog& dialog) {
            dialog.selectRow(-1);
            return true;
        }));
    EXPECT_EQ(setup, defaultLabelSetup());

    EXPECT_TRUE(
        chooseLabelDefinition(nullptr, engine, folder(), setup, [](SelectLabelStockDialog& dialog) {
            dialog.setDotMatrix(true);
            dialog.selectRow(1);
            return true;
        }));
    EXPECT_EQ(setup.labelTypeName, "Avery 4014  Address,   1.44 x 4.00");
    EXPECT_EQ(setup.printerType, "DM");
    EXPECT_EQ(setup.labelWidth, 4.0f);
    EXPECT_EQ(setup.description, "Default Label Setup");
}

}  // namespace
}  // namespace rp
