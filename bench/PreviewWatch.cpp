#include "bench/PreviewWatch.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "bench/ProcessMemory.h"
#include "framework/PreviewPageView.h"
#include "framework/RecordingPreview.h"
#include "support/OpenPreview.h"

namespace bench {

namespace {

// Page 1 is in the window: the counter, cleared while nothing is complete, names it.
bool firstPageShown(const rp::RecordingPreview& preview) {
    return preview.pageCounter()->text().startsWith(QLatin1String("Page 1 of"));
}

}  // namespace

PreviewFigures watchPreview(const std::function<void()>& command,
                            std::chrono::milliseconds sampleEvery) {
    PreviewFigures figures;
    resetPeakMemory();
    const ResidentMemory before = residentMemory();
    figures.residentBeforeKb = before.currentKb;
    figures.allocatedPeakKb = before.anonymousKb;
    figures.filePeakKb = before.fileKb;
    const auto sample = [&figures] {
        const ResidentMemory now = residentMemory();
        figures.allocatedPeakKb = std::max(figures.allocatedPeakKb, now.anonymousKb);
        figures.filePeakKb = std::max(figures.filePeakKb, now.fileKb);
    };
    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };

    QPointer<rp::RecordingPreview> preview;
    bool shown = false;
    // Goes to the last page, reads the counter and closes the window.
    const auto finish = [&figures, &preview, &elapsed, &sample] {
        figures.recordedSeconds = elapsed();
        sample();
        const ResidentMemory ended = residentMemory();
        figures.allocatedEndKb = ended.anonymousKb;
        figures.fileEndKb = ended.fileKb;
        figures.outcome = preview->outcome();
        const double pressed = elapsed();
        preview->lastButton()->click();
        preview->pageView()->grab();
        figures.lastPageSeconds = elapsed() - pressed;
        figures.lastCounter = preview->pageCounter()->text();
        figures.lastPage = preview->currentPage() + 1;
        preview->closeButton()->click();
    };
    // Asked on every pass of the event loop (the recording lets it run after each row) until
    // the first page is drawn.
    QTimer look;
    look.setInterval(0);
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (!preview) {
            preview = rp::openRecordingPreview();
            if (!preview) return;
            figures.opened = true;
            if (preview->outcome() != rp::PrintOutcome::Pending)
                QTimer::singleShot(0, preview.data(), finish);
            else
                QObject::connect(preview->statusWindow(), &rp::PrintStatusDialog::jobEnded,
                                 preview.data(), finish);
        }
        if (!shown && firstPageShown(*preview)) {
            // Drawn as the window would paint it.
            preview->pageView()->grab();
            figures.firstPageSeconds = elapsed();
            shown = true;
            sample();
        }
        if (shown) look.stop();
    });
    QTimer sampler;
    sampler.setInterval(sampleEvery);
    QObject::connect(&sampler, &QTimer::timeout, sample);
    look.start();
    sampler.start();
    command();
    sample();
    figures.residentPeakKb = residentMemory().peakKb;
    return figures;
}

}  // namespace bench
