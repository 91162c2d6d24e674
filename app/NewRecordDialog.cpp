#include "app/NewRecordDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

NewRecordDialog::NewRecordDialog(bool askZip, bool askNames, QWidget* parent)
    : Dialog(parent, HelpTopic::RecordPage) {
    setWindowTitle(tr("New Record"));
    auto* form = new QFormLayout;
    const auto line = [&](const QString& label, int width, const QString& help) {
        auto* edit = new QLineEdit;
        edit->setMaxLength(width);
        edit->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
        edit->setWhatsThis(help);
        form->addRow(label, edit);
        return edit;
    };
    if (askZip)
        zip_ = line(tr("Zip Code or Postal Code"), 10,
                    tr("The city and state of a record with this code are filled in."));
    if (askNames) {
        last_ = line(tr("Last Name"), 30, tr("Checked for a record with the same names."));
        first_ = line(tr("First Name"), 30, tr("Checked for a record with the same names."));
    }
    auto* ok = new QPushButton(tr("OK [PgDn]"));
    auto* cancel = new QPushButton(tr("Cancel"));
    for (QPushButton* b : {ok, cancel}) b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

NewRecordValues NewRecordDialog::values() const {
    NewRecordValues v;
    if (zip_) v.zip = zip_->text();
    if (last_) v.lastName = last_->text();
    if (first_) v.firstName = first_->text();
    return v;
}

void NewRecordDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageDown) return accept();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    Dialog::keyPressEvent(event);
}

std::optional<NewRecordValues> NewRecordDialog::ask(bool askZip, bool askNames, QWidget* parent) {
    NewRecordDialog prompt(askZip, askNames, parent);
    if (prompt.exec() != QDialog::Accepted) return std::nullopt;
    return prompt.values();
}

}  // namespace rp
