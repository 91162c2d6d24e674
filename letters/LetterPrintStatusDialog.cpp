#include "letters/LetterPrintStatusDialog.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "letters/LetterPrintRun.h"

namespace rp {

LetterPrintStatusDialog::LetterPrintStatusDialog(LetterPrintRun& run, ReportSurface& surface,
                                                 QWidget* parent)
    : Dialog(parent, HelpTopic::None), run_(run), surface_(surface) {
    setWindowTitle(tr("Print Status Screen"));
    status_ = new QLabel(this);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setAlignment(Qt::AlignCenter);
    status_->setMinimumSize(260, 48);
    button_ =
        makeCommandButton(tr("Cancel"), tr("Stops the print after the letter in hand."), this);
    connect(button_, &QPushButton::clicked, this, guarded([this] { buttonClicked(); }));
    layOutAboveButton(status_, button_);
}

void LetterPrintStatusDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (started_) return;
    QTimer::singleShot(0, this, guarded([this] { runPrint(); }));
}

void LetterPrintStatusDialog::runPrint() {
    if (started_) return;
    started_ = true;
    run_.keepGoing = [this](int pages) { return keepGoing(pages); };
    try {
        outcome_ = run_.run(surface_) ? Outcome::Completed : Outcome::Cancelled;
        status_->setText(outcome_ == Outcome::Completed ? tr("Letter Print Completed!")
                                                        : tr("Letter Print Canceled!"));
    } catch (const std::exception& e) {
        outcome_ = Outcome::Failed;
        status_->setText(tr("Letter Print Canceled!"));
        showInformation(errorText(e));
    }
    button_->setText(tr("Close"));
    button_->setWhatsThis(tr("Closes this window."));
}

bool LetterPrintStatusDialog::keepGoing(int pagesCounted) {
    status_->setText(tr("Printing page %1").arg(pagesCounted));
    QCoreApplication::processEvents();
    if (!cancelRequested_) return true;
    cancelRequested_ = false;
    return !askYesNo(tr("Cancel print job?"));
}

void LetterPrintStatusDialog::buttonClicked() {
    if (outcome_ == Outcome::Pending)
        cancelRequested_ = true;
    else
        accept();
}

void LetterPrintStatusDialog::reject() {
    // Escape and the window's close box cancel like the button while the print runs.
    if (outcome_ == Outcome::Pending)
        cancelRequested_ = true;
    else
        Dialog::reject();
}

}  // namespace rp
