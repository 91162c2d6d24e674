#pragma once
// The envelope size dialog: "Add New Envelope Size", or "Edit Envelope Size" when
// the caller says so. Name, description, width and height, shown in inches or millimetres;
// "Save" checks them and closes with an OK result, "Cancel" closes without one. Help topic 1000.
#include "envelopes/EnvelopeSizeForm.h"
#include "envelopes/EnvelopeSizes.h"
#include "framework/Dialog.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QValidator;

namespace rp {

class EnvelopeSizeDialog : public Dialog {
    Q_OBJECT
  public:
    // Lengths in inches.
    EnvelopeSizeDialog(const EnvelopeSize& initial, QWidget* parent = nullptr);

    // "Edit Envelope Size" instead of "Add New Envelope Size".
    void setEditing(bool editing);

    // The values handed back after an OK result: lengths in inches.
    EnvelopeSize saved() const { return result_; }

    void onSaveClicked();
    void onUnitsClicked();

    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* descriptionEdit() const { return description_; }
    QLineEdit* widthEdit() const { return width_; }
    QLineEdit* heightEdit() const { return height_; }
    QRadioButton* inchesButton() const { return inches_; }
    QRadioButton* millimetresButton() const { return millimetres_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Runs the dialog modally; the size saved, or nothing when cancelled.
    static std::optional<EnvelopeSize> run(const EnvelopeSize& initial, bool editing,
                                           QWidget* parent);

  private:
    void showLengths();
    void setValidators();

    EnvelopeSizeForm form_;
    EnvelopeSize result_;
    QLineEdit* name_;
    QLineEdit* description_;
    QLineEdit* width_;
    QLineEdit* height_;
    QRadioButton* inches_;
    QRadioButton* millimetres_;
    QPushButton* save_;
    QPushButton* cancel_;
    QValidator* inchValidator_ = nullptr;
    QValidator* millimetreValidator_ = nullptr;
};

}  // namespace rp
