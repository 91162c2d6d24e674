#include "envelopes/ReturnAddressDialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

ReturnAddressDialog::ReturnAddressDialog(const QStringList& lines, QWidget* parent)
    : Dialog(parent, HelpTopic::ReturnAddress) {
    setWindowTitle(tr("Return Address"));
    text_ = new QPlainTextEdit(this);
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setTabChangesFocus(true);  // an address holds no tabs
    text_->setWhatsThis(
        tr("The lines of the return address, one per line; the first five are printed."));
    text_->setMinimumSize(320, 140);
    text_->setAccessibleName(tr("Return address lines"));

    save_ = new QPushButton(tr("Save"), this);
    save_->setAutoDefault(false);
    save_->setWhatsThis(tr("Uses these lines as the return address."));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr("Closes without changing the return address."));
    connect(save_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    buttons->addWidget(makeHelpButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
}

QStringList ReturnAddressDialog::splitLines(const QString& text) {
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty()) lines.removeLast();
    return lines;
}

QStringList ReturnAddressDialog::lines() const {
    return splitLines(text_->toPlainText());
}

}  // namespace rp
