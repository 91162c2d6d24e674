#pragma once
// The "New Record" prompt of Add: the ZIP code and/or the last and first names, asked before
// the record is inserted. Enter moves on like Tab; PageDown anywhere presses "OK [PgDn]".
#include <optional>

#include "app/AddingRules.h"
#include "framework/Dialog.h"

class QLineEdit;

namespace rp {

class NewRecordDialog : public Dialog {
    Q_OBJECT
  public:
    NewRecordDialog(bool askZip, bool askNames, QWidget* parent);

    NewRecordValues values() const;
    QLineEdit* zipEdit() const { return zip_; }
    QLineEdit* lastNameEdit() const { return last_; }
    QLineEdit* firstNameEdit() const { return first_; }

    // Shows the prompt modally; nothing on Cancel.
    static std::optional<NewRecordValues> ask(bool askZip, bool askNames, QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLineEdit* zip_ = nullptr;
    QLineEdit* last_ = nullptr;
    QLineEdit* first_ = nullptr;
};

}  // namespace rp
