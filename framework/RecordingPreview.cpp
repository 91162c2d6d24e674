#include "framework/RecordingPreview.h"

#include <QScrollArea>

#include "framework/RecordedPages.h"

namespace rp {

RecordingPreview::RecordingPreview(RecordedPages& pages, ReportJob job, PrintStatusTexts texts,
                                   const QString& caption, QWidget* parent)
    : PreviewWindow(pages, caption, parent),
      recording_(pages),
      status_(new PrintStatusDialog(pages, std::move(job), true, this, std::move(texts))) {
    followRecording();
    // The status window stands over the preview and leaves it usable.
    status_->setModal(false);
    recording_.setPageListener([this] { showPagesRecorded(); });
    connect(status_, &PrintStatusDialog::jobEnded, this, [this] {
        if (status_->outcome() != PrintOutcome::Cancelled) return;
        // Nothing to show: the window goes once its status has been read.
        connect(status_, &QDialog::finished, this, &RecordingPreview::reject);
    });
}

RecordingPreview::~RecordingPreview() {
    recording_.setPageListener({});
}

void RecordingPreview::showEvent(QShowEvent* event) {
    PreviewWindow::showEvent(event);
    if (status_->isVisible() || status_->outcome() != PrintOutcome::Pending) return;
    status_->show();
    // In the lower right corner of the page area, where it hides the least of the page.
    const QRect area(pageArea()->mapTo(this, QPoint(0, 0)), pageArea()->size());
    const QPoint corner =
        area.bottomRight() - QPoint(status_->width(), status_->height()) - QPoint(32, 16);
    status_->move(mapToGlobal(corner));
}

void RecordingPreview::done(int result) {
    // The recording ends after its current row; the window's loop ends once it has.
    status_->requestStop();
    status_->hide();
    PreviewWindow::done(result);
}

PrintOutcome previewJob(RecordedPages& pages, const ReportJob& job, const QString& caption,
                        const PrintStatusTexts& texts, QWidget* parent, const PreviewHooks& hooks) {
    if (!hooks.showPreview) {
        RecordingPreview window(pages, job, texts, caption, parent);
        window.exec();
        return window.outcome();
    }
    PrintStatusDialog status(pages, job, true, parent, texts);
    if (hooks.showStatus)
        hooks.showStatus(status);
    else
        status.exec();
    if (status.outcome() != PrintOutcome::Cancelled) hooks.showPreview(pages, caption);
    return status.outcome();
}

}  // namespace rp
