// Print Labels > Preview as the user sees it: the command opens the recording preview window,
// page 1 can be looked at while the later sheets are still made, the last-page button reaches
// the last sheet once the recording has ended, and stock refused at the paper question opens no
// window at all.
#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "data/AddressLayout.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordingPreview.h"
#include "labels/LabelPrintJob.h"
#include "support/AddressFileFixture.h"
#include "support/OpenPreview.h"

namespace rp {
namespace {

class LabelPreviewWindowTest : public AddressFileFixture {
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

    // Runs the Preview command; on every pass of the event loop while its window is open, look
    // is shown the window.
    void preview(const std::function<void(RecordingPreview&)>& look) {
        QTimer watch;
        watch.setInterval(0);
        QObject::connect(&watch, &QTimer::timeout, [&look] {
            if (RecordingPreview* window = openRecordingPreview()) look(*window);
        });
        watch.start();
        job->preview(request);
    }

    PrinterCatalog catalog{{}, QString()};
    std::unique_ptr<LabelPrintJob> job;
    LabelPrintRequest request;
};

TEST_F(LabelPreviewWindowTest, TheLastPageButtonReachesTheLastSheetOnceRecorded) {
    addMany(64);
    // Left out by the standing condition: 64 labels on three sheets.
    add({{"LNAME", "Gone"}, {"PREFIX", "DELETED"}});
    QString counter;
    int lastPage = 0;
    PrintOutcome outcome = PrintOutcome::Pending;
    preview([&](RecordingPreview& window) {
        if (window.outcome() == PrintOutcome::Pending) return;
        outcome = window.outcome();
        window.lastButton()->click();
        counter = window.pageCounter()->text();
        lastPage = window.currentPage() + 1;
        window.closeButton()->click();
    });
    EXPECT_EQ(outcome, PrintOutcome::Completed);
    EXPECT_EQ(counter, "Page 3 of 3");
    EXPECT_EQ(lastPage, 3);
    EXPECT_EQ(openRecordingPreview(), nullptr);
    // The table's view is back.
    EXPECT_TRUE(table->filter().empty());
}

TEST_F(LabelPreviewWindowTest, PageOneCanBeSeenWhileTheLaterSheetsAreMade) {
    addMany(64);
    QStringList counters;
    preview([&](RecordingPreview& window) {
        const QString counter = window.pageCounter()->text();
        if (counters.isEmpty() || counters.back() != counter) counters << counter;
        if (window.outcome() != PrintOutcome::Pending) window.closeButton()->click();
    });
    // Nothing to see until sheet 1 is complete; then sheet 1 of at least one, two, and all three.
    EXPECT_EQ(counters, QStringList({"", "Page 1 of 1+", "Page 1 of 2+", "Page 1 of 3"}));
}

TEST_F(LabelPreviewWindowTest, StockRefusedAtThePaperQuestionOpensNoWindow) {
    add({{"LNAME", "Adams"}});
    // A4 stock on the Letter printer: No ends the command before any window.
    request.setup.sheetWidth = 8.27f;
    request.setup.sheetDepth = 11.69f;
    shown.answer(false);
    int looks = 0;
    preview([&](RecordingPreview&) { ++looks; });
    EXPECT_EQ(looks, 0);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "question");
    EXPECT_EQ(shown.unansweredLeft(), 0);
}

}  // namespace
}  // namespace rp
