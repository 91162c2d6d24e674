// The preview window on a report that records while it is open: the first page can be seen
// before the last is made, the counter says "Page n of m+" until the count is known, the last
// page button goes to the last complete page, closing the window stops the recording, and a
// recording that fails closes the window after its status.
#include "framework/RecordingPreview.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

constexpr int kPages = 6;

// A report of kPages pages of three lines; after each line the test's step runs, told the page
// being drawn, and the job asks keepGoing.
ReportJob numberedPages(const std::function<void(int page)>& step) {
    return [step](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
        if (!canvas.start()) return;
        for (int page = 1; page <= kPages; ++page) {
            if (page > 1) canvas.newPage();
            for (int line = 1; line <= 3; ++line) {
                canvas.println(QStringLiteral("Page %1 line %2").arg(page).arg(line));
                step(page);
                if (!keepGoing()) return;
            }
        }
    };
}

TEST(RecordingPreviewTest, PagesShowWhileTheRestIsRecorded) {
    RecordedPages pages;
    QStringList seen;
    RecordingPreview* window = nullptr;
    const auto job = numberedPages([&](int page) {
        if (page != 3 || !window) return;
        // Two pages are complete while the third is drawn.
        seen << window->pageCounter()->text();
        window->lastButton()->click();
        seen << QString::number(window->currentPage());
    });
    RecordingPreview preview(pages, job, {}, QStringLiteral("Preview Report"));
    window = &preview;
    // Once the recording has ended: the whole count.
    QObject::connect(preview.statusWindow(), &PrintStatusDialog::jobEnded, &preview, [&] {
        seen << preview.pageCounter()->text();
        preview.lastButton()->click();
        seen << QString::number(preview.currentPage());
        preview.accept();
    });
    preview.exec();
    EXPECT_EQ(seen, QStringList({"Page 1 of 2+", "1", "Page 2 of 2+", "1", "Page 2 of 2+", "1",
                                 "Page 2 of 6", "5"}));
    EXPECT_EQ(preview.outcome(), PrintOutcome::Completed);
    EXPECT_EQ(pages.pageCount(), kPages);
}

TEST(RecordingPreviewTest, ClosingTheWindowStopsTheRecording) {
    RecordedPages pages;
    RecordingPreview* window = nullptr;
    const auto job = numberedPages([&](int page) {
        if (page == 2 && window) window->closeButton()->click();
    });
    RecordingPreview preview(pages, job, {}, QStringLiteral("Preview Report"));
    window = &preview;
    preview.exec();
    EXPECT_EQ(preview.outcome(), PrintOutcome::Stopped);
    EXPECT_EQ(pages.pageCount(), 2);
    EXPECT_EQ(preview.statusWindow()->statusText(), "\rPreview Stopped at page 2!");
}

TEST(RecordingPreviewTest, AFailedRecordingClosesTheWindowAfterItsStatus) {
    ScriptedMessages shown;
    MessagesScope scope(shown);
    RecordedPages pages;
    RecordingPreview* window = nullptr;
    const auto job = numberedPages([&](int page) {
        if (page != 2) return;
        // The status window's OK, once the error has been told.
        QTimer::singleShot(0, window, [&] { window->statusWindow()->button()->click(); });
        throw std::runtime_error("Cannot read LIST.DBF: record 7 is damaged");
    });
    RecordingPreview preview(pages, job, PrintStatusTexts::forJob("Report"),
                             QStringLiteral("Preview Report"));
    window = &preview;
    EXPECT_EQ(preview.exec(), QDialog::Rejected);
    EXPECT_EQ(preview.outcome(), PrintOutcome::Cancelled);
    EXPECT_EQ(shown.texts(), QStringList{"Cannot read LIST.DBF: record 7 is damaged"});
    EXPECT_EQ(preview.statusWindow()->statusText(), "\rReport Preview Canceled!");
    EXPECT_EQ(pages.pageCount(), 0);
}

}  // namespace
}  // namespace rp
