#include "framework/PrintStatusDialog.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "framework/ReportCanvas.h"

namespace rp {

PrintStatusTexts PrintStatusTexts::forJob(const QString& kind) {
    PrintStatusTexts texts;
    texts.cancelQuestion =
        QCoreApplication::translate("PrintStatusTexts", "Cancel %1 Printing?").arg(kind);
    texts.printCanceled =
        QCoreApplication::translate("PrintStatusTexts", "\r%1 Print Canceled!").arg(kind);
    texts.previewCanceled =
        QCoreApplication::translate("PrintStatusTexts", "\r%1 Preview Canceled!").arg(kind);
    texts.printCompleted =
        QCoreApplication::translate("PrintStatusTexts", "\r%1 Print Completed!").arg(kind);
    texts.previewReady =
        QCoreApplication::translate("PrintStatusTexts", "\r%1 Preview Ready!").arg(kind);
    return texts;
}

PrintStatusDialog::PrintStatusDialog(ReportSurface& surface, ReportJob job, bool preview,
                                     QWidget* parent, PrintStatusTexts texts)
    : Dialog(parent, HelpTopic::None),
      surface_(surface),
      job_(std::move(job)),
      preview_(preview),
      texts_(std::move(texts)) {
    setWindowTitle(preview ? tr("Preview Status") : tr("Print Status"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLabel_ = new QLabel(panel);
    statusLabel_->setAlignment(Qt::AlignCenter);
    // Room for the three status lines, so the window keeps its size while the pages go by.
    statusLabel_->setMinimumSize(fontMetrics().averageCharWidth() * 32,
                                 fontMetrics().lineSpacing() * 3);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(statusLabel_);

    button_ = new QPushButton(preview ? tr("Stop") : tr("Cancel"), this);
    button_->setWhatsThis(preview ? tr("Stops the preview; the pages made so far are shown.")
                                  : tr("Stops printing after asking."));
    connect(button_, &QPushButton::clicked, this, &PrintStatusDialog::buttonClicked);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(button_);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);
    layout->addWidget(panel);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PrintStatusDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, &PrintStatusDialog::runJob);
}

void PrintStatusDialog::runJob() {
    ReportCanvas canvas(surface_);
    canvas.setStatusFormat(statusFormat());
    canvas.setStatusLine(0, QString());
    canvas.setStatusLine(1, QString());
    canvas.setStatusListener([this](const QString& text) { setStatus(text); });
    canvas_ = &canvas;
    // A job that fails is told, and ends as a cancelled one: its output is abandoned.
    const bool ran =
        reportErrors([&] { job_(canvas, [this, &canvas] { return keepGoing(canvas); }); });
    canvas_ = nullptr;
    if (!ran) canvas.abort();

    // A job whose output never started printed nothing, as if it had been cancelled.
    const bool aborted = !ran || canvas.aborted() || canvas.pageNumber() == 0;
    if (canvas.printing()) canvas.finish();
    if (aborted)
        outcome_ = PrintOutcome::Cancelled;
    else
        outcome_ = stopRequested_ ? PrintOutcome::Stopped : PrintOutcome::Completed;
    canvas.setStatusFormat(finalFormat(aborted));
    button_->setText(tr("OK"));
    button_->setWhatsThis(tr("Closes this window."));
    emit jobEnded();
}

void PrintStatusDialog::requestStop() {
    if (preview_ && outcome_ == PrintOutcome::Pending) stopRequested_ = true;
}

bool PrintStatusDialog::keepGoing(const ReportCanvas& canvas) const {
    QApplication::processEvents();
    return !canvas.aborted() && !stopRequested_;
}

QString PrintStatusDialog::finalFormat(bool aborted) const {
    if (aborted) return preview_ ? texts_.previewCanceled : texts_.printCanceled;
    if (stopRequested_) return texts_.previewStopped;
    return preview_ ? texts_.previewReady : texts_.printCompleted;
}

void PrintStatusDialog::buttonClicked() {
    if (outcome_ != PrintOutcome::Pending) {
        accept();
        return;
    }
    if (!canvas_) return;
    if (preview_)
        requestStop();
    else if (texts_.cancelQuestion.isEmpty() || askYesNo(texts_.cancelQuestion))
        canvas_->abort();
}

void PrintStatusDialog::setStatus(const QString& text) {
    status_ = text;
    statusLabel_->setText(QString(text).replace(u'\r', u'\n'));
}

// Esc and the close box act as the button does: they stop the job first, and close after it.
void PrintStatusDialog::reject() {
    buttonClicked();
}

}  // namespace rp
