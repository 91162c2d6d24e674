#pragma once
// The "Add Label Definition" / "Edit Label Definition" dialog. The caller fills the
// working values (inches) with setDefinition before showing it, sets the caption
// "Edit Label Definition" for an edit, and after a Save (an Accepted result) reads them back
// with definition(). Save validates (validLabel) and stays open with the first failing rule's
// message when the definition is not valid, or when a length is larger than a page side may be.
#include <utility>
#include <vector>

#include "framework/Dialog.h"
#include "labels/LabelDefinition.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace rp {

class LabelStockDialog : public Dialog {
    Q_OBJECT
  public:
    explicit LabelStockDialog(QWidget* parent = nullptr);

    // Shows the working values: inch mode, "Tractor Fed (Dot Matrix)" ticked when the printer
    // type is not "LJ", the paper list on the code's entry (none for an unknown code).
    void setDefinition(const LabelDefinition& definition);
    // The working values; after Save, what the user entered, in inches.
    const LabelDefinition& definition() const { return definition_; }

    // The display unit: inch mode ("In 1000's of an inch") or millimetres ("In Millimeters").
    bool inchMode() const;
    void setInchMode(bool inches);

    // The user choosing a paper list entry: entries 0 to 4 fill "Paper Width" and
    // "Paper Height" in the display unit; 5 and 6 leave them.
    void onPaperSizeChanged(int index);
    // Leaving "Label Width" / "Label Height": the pitch is raised to the label size.
    void onLabelWidthEditingFinished();
    void onLabelHeightEditingFinished();
    // Save: takes the displayed values (millimetres converted to inches and rounded to 3
    // decimals), validates, and closes with an OK result only when valid.
    void onSaveClicked();

    // The displayed definition converted to inches, as Save takes it (not validated).
    LabelDefinition displayedDefinition() const;

    QLineEdit* descriptionEdit() const { return description_; }
    QDoubleSpinBox* labelWidthEdit() const { return width_; }
    QDoubleSpinBox* labelHeightEdit() const { return height_; }
    QDoubleSpinBox* horizontalPitchEdit() const { return hPitch_; }
    QDoubleSpinBox* verticalPitchEdit() const { return vPitch_; }
    QDoubleSpinBox* leftMarginEdit() const { return left_; }
    QDoubleSpinBox* topMarginEdit() const { return top_; }
    QDoubleSpinBox* paperWidthEdit() const { return sheetWidth_; }
    QDoubleSpinBox* paperHeightEdit() const { return sheetDepth_; }
    QSpinBox* acrossEdit() const { return across_; }
    QSpinBox* downEdit() const { return down_; }
    QComboBox* paperList() const { return paper_; }
    QCheckBox* tractorFedBox() const { return tractor_; }
    QRadioButton* inchButton() const { return inches_; }
    QRadioButton* millimetreButton() const { return millimetres_; }

  private:
    std::vector<QDoubleSpinBox*> lengthEdits() const;
    // The refusal of the first length box, in the dialog's order, whose value is larger than
    // a page side may be; empty when none is.
    QString tooLargeLength() const;
    void applyUnit(bool inches, bool convert);

    LabelDefinition definition_;
    QLineEdit* description_;
    QDoubleSpinBox *width_, *height_, *hPitch_, *vPitch_, *left_, *top_, *sheetWidth_, *sheetDepth_;
    QSpinBox *across_, *down_;
    QComboBox* paper_;
    QCheckBox* tractor_;
    QRadioButton *inches_, *millimetres_;
    bool unitInches_ = true;
    // The length boxes with their captions, in the dialog's order.
    std::vector<std::pair<QDoubleSpinBox*, QString>> lengthCaptions_;
};

}  // namespace rp
