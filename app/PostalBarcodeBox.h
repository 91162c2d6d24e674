#pragma once
// The "Postal Barcode" part of the Preferences dialog: POSTNET or the Intelligent Mail barcode,
// and for the latter the mailer's tracking code. Each part is checked as it is typed; the first
// problem shows under the boxes.
#include <QGroupBox>

#include "mailpiece/PostalBarcode.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace rp {

class PostalBarcodeBox : public QGroupBox {
    Q_OBJECT
  public:
    PostalBarcodeBox(const PostalBarcodeSettings& settings, QWidget* parent = nullptr);

    // The choice as it stands (the serial 0 when its box is empty).
    PostalBarcodeSettings settings() const;
    // What keeps the choice from being saved: a tracking code part that is not right while
    // Intelligent Mail is chosen. Empty when it can be saved.
    QString problem() const;

    QRadioButton* postnetButton() const { return postnet_; }
    QRadioButton* intelligentMailButton() const { return intelligentMail_; }
    QLineEdit* barcodeIdEdit() const { return barcodeId_; }
    QLineEdit* serviceTypeEdit() const { return serviceType_; }
    QLineEdit* mailerIdEdit() const { return mailerId_; }
    QLineEdit* serialEdit() const { return serial_; }
    QLabel* problemLine() const { return problemLine_; }

  private:
    QLineEdit* digitBox(const QString& text, int maxLength, const QString& help);
    void refresh();

    QRadioButton* postnet_;
    QRadioButton* intelligentMail_;
    QLineEdit* barcodeId_;
    QLineEdit* serviceType_;
    QLineEdit* mailerId_;
    QLineEdit* serial_;
    QLabel* problemLine_;
};

}  // namespace rp
