#pragma once
// "Font" for the label designer: a family, a size from 8 to 24 points, Bold and Italic.
// OK hands the choice back; Cancel leaves the caller's font as it was.
#include "framework/Dialog.h"
#include "labels/LabelDesignerModel.h"

class QCheckBox;
class QFontComboBox;
class QSpinBox;

namespace rp {

class LabelFontDialog : public Dialog {
    Q_OBJECT
  public:
    static constexpr int kMinSize = 8;
    static constexpr int kMaxSize = 24;

    // Preset with font; a size outside 8 to 24 shows as the nearest of them.
    explicit LabelFontDialog(const LabelFont& font, QWidget* parent = nullptr);

    LabelFont chosen() const;

    // Runs the dialog modally; on OK stores the choice into font and returns true.
    static bool choose(QWidget* parent, LabelFont& font);

    QFontComboBox* familyList() const { return family_; }
    QSpinBox* sizeEdit() const { return size_; }
    QCheckBox* boldBox() const { return bold_; }
    QCheckBox* italicBox() const { return italic_; }

  private:
    QFontComboBox* family_;
    QSpinBox* size_;
    QCheckBox *bold_, *italic_;
};

}  // namespace rp
