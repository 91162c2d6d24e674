#include "app/PostalBarcodeBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace rp {

PostalBarcodeBox::PostalBarcodeBox(const PostalBarcodeSettings& settings, QWidget* parent)
    : QGroupBox(tr("Postal Barcode"), parent) {
    postnet_ = new QRadioButton(QStringLiteral("POSTNET"), this);
    postnet_->setWhatsThis(tr("Prints the POSTNET barcode of the ZIP code."));
    intelligentMail_ = new QRadioButton(tr("Intelligent Mail"), this);
    intelligentMail_->setWhatsThis(
        tr("Prints the Intelligent Mail barcode: the ZIP code with your mailer ID "
           "and a serial number for each piece."));
    (settings.symbology == BarcodeSymbology::IntelligentMail ? intelligentMail_ : postnet_)
        ->setChecked(true);

    const MailerTracking& t = settings.tracking;
    barcodeId_ = digitBox(t.barcodeId, 2,
                          tr("Two digits, the second 0 to 4; 00 when the postal "
                             "service has not asked for another."));
    serviceType_ = digitBox(t.serviceType, 3, tr("The three-digit service type of the mailing."));
    mailerId_ = digitBox(t.mailerId, 9,
                         tr("The mailer ID the postal service gave you: 6 digits, "
                            "or 9 beginning with 9."));
    serial_ = digitBox(QString::number(t.serial), 9,
                       tr("The serial number the next printed piece takes: up to 9 "
                          "digits beside a 6-digit mailer ID, up to 6 beside a "
                          "9-digit one."));
    problemLine_ = new QLabel(this);
    problemLine_->setStyleSheet(QStringLiteral("color: #b00000"));
    problemLine_->setWordWrap(true);

    auto* choice = new QHBoxLayout;
    choice->addWidget(postnet_);
    choice->addWidget(intelligentMail_);
    choice->addStretch();
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("Barcode identifier"), barcodeId_);
    form->addRow(tr("Service type"), serviceType_);
    form->addRow(tr("Mailer ID"), mailerId_);
    form->addRow(tr("Next serial number"), serial_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(form);
    layout->addWidget(problemLine_);

    for (QLineEdit* box : {barcodeId_, serviceType_, mailerId_, serial_})
        connect(box, &QLineEdit::textChanged, this, &PostalBarcodeBox::refresh);
    connect(intelligentMail_, &QRadioButton::toggled, this, &PostalBarcodeBox::refresh);
    refresh();
}

QLineEdit* PostalBarcodeBox::digitBox(const QString& text, int maxLength, const QString& help) {
    auto* box = new QLineEdit(text, this);
    box->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(maxLength)), box));
    box->setMaxLength(maxLength);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(maxLength + 2, u'0')));
    box->setWhatsThis(help);
    return box;
}

PostalBarcodeSettings PostalBarcodeBox::settings() const {
    PostalBarcodeSettings s;
    s.symbology = intelligentMail_->isChecked() ? BarcodeSymbology::IntelligentMail
                                                : BarcodeSymbology::Postnet;
    s.tracking = MailerTracking{barcodeId_->text(), serviceType_->text(), mailerId_->text(),
                                serial_->text().toULongLong()};
    return s;
}

QString PostalBarcodeBox::problem() const {
    if (!intelligentMail_->isChecked()) return {};
    return typedTrackingProblem(barcodeId_->text(), serviceType_->text(), mailerId_->text(),
                                serial_->text());
}

void PostalBarcodeBox::refresh() {
    const bool on = intelligentMail_->isChecked();
    for (QLineEdit* box : {barcodeId_, serviceType_, mailerId_, serial_}) box->setEnabled(on);
    problemLine_->setText(problem());
}

}  // namespace rp
