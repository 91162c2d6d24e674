// A label sheet and an envelope printed by ravenpost-batch through a real printer queue (see
// support/PrinterQueue.h): each is printed uncalibrated and then with a correction kept for that
// printer, and the ink of both pages is compared: the corrected one lies back by the measured
// amounts, turned with the sheet for the landscape envelope. Skipped with a message where there
// is no such queue.
#include <gtest/gtest.h>
#include <QFile>
#include <memory>

#include "BatchFixture.h"
#include "support/PrinterQueue.h"

namespace rp {
namespace {

class PrinterQueueTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        if (!testQueueReady()) GTEST_SKIP() << testQueueSkipText().toStdString();
        queueLock = std::make_unique<TestQueueLock>();
        add({{"LNAME", "Young"}, {"STREET", "1 Elm St"}, {"CITY", "Boise"}, {"ZIP", "83702"}});
        handOver();
    }

    void TearDown() override {
        for (const QString& pdf : printed) QFile::remove(pdf);
        BatchFixture::TearDown();
    }

    // Where the ink of the job printed on the queue starts.
    QPointF printOnQueue(const QStringList& job) {
        const QStringList before = testQueueFiles();
        const BatchRun run =
            batch(job + QStringList{"--printer", testQueueName(), "--yes", "--quiet"});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        const QString pdf = awaitQueuedPdf(before);
        EXPECT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF";
        printed << pdf;
        return inkCorner(
            pdf, QString::fromStdString(dir.file("page")) + QString::number(printed.size()));
    }

    void calibrate(const char* shift) {
        const BatchRun run = batch({"calibrate", "--printer", testQueueName(), "--shift", shift});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
    }

    QStringList printed;
    std::unique_ptr<TestQueueLock> queueLock;
};

TEST_F(PrinterQueueTest, ACalibratedPrinterPrintsTheSheetBackByTheMeasuredAmounts) {
    const QStringList labels{"labels", file, "--setup", "Address labels, 30 per sheet"};
    const QPointF before = printOnQueue(labels);
    // The first label's text starts 0.438 inch from the left and its first line's top 0.65 inch
    // from the top; the ink of its letters a little inside that.
    EXPECT_NEAR(before.x(), 0.438, 0.05);
    EXPECT_NEAR(before.y(), 0.65, 0.08);

    calibrate("0.10,0.20");
    const QPointF after = printOnQueue(labels);
    EXPECT_NEAR(after.x() - before.x(), -0.10, 0.015);
    EXPECT_NEAR(after.y() - before.y(), -0.20, 0.015);
}

TEST_F(PrinterQueueTest, ACalibratedPrinterPrintsTheEnvelopeBackByTheMeasuredAmounts) {
    const QStringList envelope{"envelopes", file, "--setup", "#10 business envelope"};
    const QPointF before = printOnQueue(envelope);
    calibrate("-0.15,0.05");
    const QPointF after = printOnQueue(envelope);
    EXPECT_NEAR(after.x() - before.x(), 0.15, 0.015);
    EXPECT_NEAR(after.y() - before.y(), -0.05, 0.015);
}

}  // namespace
}  // namespace rp
