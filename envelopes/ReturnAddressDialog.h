#pragma once
// The "Return Address" window of the envelope designer: a multi-line text field prefilled with
// the return address lines, "Save" and "Cancel". Help topic 1040.
#include <QStringList>

#include "framework/Dialog.h"

class QPlainTextEdit;
class QPushButton;

namespace rp {

class ReturnAddressDialog : public Dialog {
    Q_OBJECT
  public:
    explicit ReturnAddressDialog(const QStringList& lines, QWidget* parent = nullptr);

    // The lines of the text field; a final line break adds no empty line.
    QStringList lines() const;
    static QStringList splitLines(const QString& text);

    QPlainTextEdit* textEdit() const { return text_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QPlainTextEdit* text_;
    QPushButton *save_, *cancel_;
};

}  // namespace rp
