// The benchmarks' watch over a Preview command on small label runs: it finds the window the
// command opened, times page 1 while the rest is still recorded, reads the last page through
// the window's own button, closes the window and reports the memory; a command that opens no
// window returns at once with nothing seen.
#include <gtest/gtest.h>
#include <QThread>

#include "bench/PreviewWatch.h"
#include "data/AddressLayout.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "framework/RecordingPreview.h"
#include "framework/ReportCanvas.h"
#include "labels/LabelPrintJob.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

class PreviewWatchTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        job = std::make_unique<LabelPrintJob>(table.table(), folder(), catalog, PresortRunner{},
                                              nullptr);
        request.setup = defaultLabelSetup();
        request.setup.barcode = true;
    }

    QString folder() const { return QString::fromStdString(dir.path()) + '/'; }

    PrinterCatalog catalog{{}, QString()};
    std::unique_ptr<LabelPrintJob> job;
    LabelPrintRequest request;
};

TEST_F(PreviewWatchTest, ThePreviewCommandsWindowToItsLastPage) {
    addMany(64);
    // Left out by the standing condition: 64 labels on three sheets.
    add({{"LNAME", "Gone"}, {"PREFIX", "DELETED"}});
    const bench::PreviewFigures figures = bench::watchPreview([&] { job->preview(request); });
    EXPECT_TRUE(figures.opened);
    EXPECT_EQ(figures.outcome, PrintOutcome::Completed);
    EXPECT_EQ(figures.lastCounter, "Page 3 of 3");
    EXPECT_EQ(figures.lastPage, 3);
    EXPECT_GT(figures.lastPageSeconds, 0);
    EXPECT_GT(figures.firstPageSeconds, 0);
    EXPECT_LE(figures.firstPageSeconds, figures.recordedSeconds);
    EXPECT_GT(figures.allocatedPeakKb, 0);
    EXPECT_GE(figures.residentPeakKb, figures.residentBeforeKb);
    // The window is gone and the table's view is back.
    EXPECT_TRUE(table->filter().empty());
}

TEST_F(PreviewWatchTest, PageOneIsTimedWhileTheRestIsRecorded) {
    // Each page after the first takes 60 ms: two of them are still to come when page 1 shows.
    const ReportJob slow = [](ReportCanvas& canvas, const std::function<bool()>& keepGoing) {
        if (!canvas.start()) return;
        for (int page = 1; page <= 4; ++page) {
            if (page > 1) canvas.newPage();
            canvas.println(QStringLiteral("Page %1").arg(page));
            if (page > 1) QThread::msleep(60);
            if (!keepGoing()) return;
        }
    };
    RecordedPages pages;
    const bench::PreviewFigures figures = bench::watchPreview(
        [&] { previewJob(pages, slow, QStringLiteral("Preview Report"), {}, nullptr); });
    EXPECT_EQ(figures.lastCounter, "Page 4 of 4");
    EXPECT_GT(figures.firstPageSeconds, 0);
    EXPECT_GE(figures.recordedSeconds - figures.firstPageSeconds, 0.1);
}

TEST_F(PreviewWatchTest, ACommandThatOpensNoWindowIsSeenAsSuch) {
    add({{"LNAME", "Adams"}});
    // A4 stock on the Letter printer: No ends the command before any window.
    request.setup.sheetWidth = 8.27f;
    request.setup.sheetDepth = 11.69f;
    shown.answer(false);
    const bench::PreviewFigures figures = bench::watchPreview([&] { job->preview(request); });
    EXPECT_FALSE(figures.opened);
    EXPECT_EQ(figures.outcome, PrintOutcome::Pending);
    EXPECT_EQ(figures.firstPageSeconds, 0);
    EXPECT_EQ(figures.lastPage, 0);
    EXPECT_EQ(shown.unansweredLeft(), 0);
}

}  // namespace
}  // namespace rp
