#include "import/ImportFieldDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace rp {

ImportFieldDialog::ImportFieldDialog(const QStringList& names, const QString& current,
                                     QWidget* parent)
    : Dialog(parent, HelpTopic::DbfMatch) {
    setWindowTitle(tr("Select Import Field"));
    list_ = new QListWidget(this);
    list_->addItem(tr("(None)"));
    list_->addItems(names);
    const int at = names.indexOf(current);
    list_->setCurrentRow(at < 0 ? 0 : at + 1);
    list_->setWhatsThis(tr("The fields of the file that can go into this Ravenpost field."));
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
}

QString ImportFieldDialog::chosen() const {
    return list_->currentRow() <= 0 ? QString() : list_->currentItem()->text();
}

}  // namespace rp
