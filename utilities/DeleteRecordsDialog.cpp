#include "utilities/DeleteRecordsDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"

namespace rp {

DeleteRecordsDialog::DeleteRecordsDialog(xbase::Table& table, const QString& userExpression,
                                         QWidget* parent)
    : BulkDialog(parent, HelpTopic::DeleteRecords), table_(table), userExpression_(userExpression) {
    setWindowTitle(tr("Delete Records"));
    auto* box = new QGroupBox(this);
    choiceBox_ = box;
    auto* column = new QVBoxLayout(box);
    const QString captions[] = {tr("Delete All Records"),
                                tr("Delete Records matching current Filter"),
                                tr("Delete Records which do NOT match current Filter")};
    const QString help[] = {tr("Empties the whole file, whatever the filter."),
                            tr("Deletes the records of the current filter."),
                            tr("Deletes every record the current filter leaves out.")};
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(captions[i], box);
        choices_[i]->setWhatsThis(help[i]);
        choices_[i]->setEnabled(i == 0 || !userExpression.isEmpty());
        column->addWidget(choices_[i]);
    }
    choices_[0]->setChecked(true);

    progressPanel_ = new QWidget(this);
    progressCaption_ = new QLabel(tr("Deleting Records "), progressPanel_);
    auto* progressRow = new QHBoxLayout(progressPanel_);
    progressRow->setContentsMargins(0, 0, 0, 0);
    progressRow->addWidget(progressCaption_);
    progressRow->addWidget(progressBar(), 1);
    progressPanel_->hide();

    deleteNow_ = new QPushButton(tr("Delete Now"), this);
    deleteNow_->setAutoDefault(false);
    deleteNow_->setWhatsThis(tr("Deletes the chosen records at once, without asking again."));
    connect(deleteNow_, &QPushButton::clicked, this,
            guarded(this, &DeleteRecordsDialog::onDeleteNowClicked));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setDefault(true);
    cancel_->setWhatsThis(tr("Closes the window without deleting anything."));
    connect(cancel_, &QPushButton::clicked, this, &DeleteRecordsDialog::cancelClicked);
    layOutParts({choiceBox_, progressPanel_}, {deleteNow_, cancel_});
}

DeleteChoice DeleteRecordsDialog::choice() const {
    for (int i = 0; i < 3; ++i)
        if (choices_[i]->isChecked()) return static_cast<DeleteChoice>(i);
    return DeleteChoice::All;
}

void DeleteRecordsDialog::onDeleteNowClicked() {
    if (busy()) return;
    const DeleteChoice chosen = userExpression_.isEmpty() ? DeleteChoice::All : choice();
    helpButtons()->hide();
    deleteNow_->setEnabled(false);
    cancel_->hide();
    showWorking(choiceBox_, progressPanel_);
    std::uint32_t deleted = 0;
    const bool done =
        runBusy([&] { deleted = deleteRecords(table_, chosen, userExpression_, hooks()); });
    if (done) {
        // The English text says "records" whatever the count.
        showInformation(tr("Deleted %n records", nullptr, static_cast<int>(deleted)));
        showInformation(tr(

            "For optimum space usage, please select\r\n[Rebuild Indexes] from the Utilities menu"));
    }
    accept();
}

}  // namespace rp
