// Print Now of the Print Labels dialog's job on a real printer queue (see support/PrinterQueue.h):
// with a correction kept for that printer in RAVENP.INI of the program folder, the sheet lands
// back by the measured amounts; the "PDF file" printer ignores a correction kept under its name.
// Skipped with a message where there is no such queue.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <memory>

#include "data/AddressLayout.h"
#include "data/DataFolder.h"
#include "data/IniFile.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "labels/LabelPrintJob.h"
#include "mailpiece/PrinterCalibration.h"
#include "postal/PresortDialog.h"
#include "support/AddressFileFixture.h"
#include "support/PrinterQueue.h"
#include "support/ScriptedPrintDialogs.h"

namespace rp {
namespace {

class LabelQueuePrintTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        if (!testQueueReady()) GTEST_SKIP() << testQueueSkipText().toStdString();
        queueLock = std::make_unique<TestQueueLock>();
        engine.settings.hideDeleted = true;
        table->setFilter(kStandingCondition.toStdString());
        add({{"LNAME", "Young"}});
        table->goTop();
    }

    void TearDown() override {
        for (const QString& pdf : printed) QFile::remove(pdf);
    }

    // Print Now on the printer; where the sheet's ink starts.
    QPointF printNow(const QString& printer, const QString& pdfFile = {}) {
        PrinterCatalog catalog{{testQueueName()}, testQueueName()};
        EXPECT_TRUE(catalog.select(printer));
        LabelPrintJob job(table.table(), folder(), catalog, &PresortDialog::run, nullptr);
        job.showStatus = [](PrintStatusDialog& status) {
            status.show();
            while (status.outcome() == PrintOutcome::Pending) QApplication::processEvents();
            status.close();
        };
        LabelPrintRequest request;
        request.setup = defaultLabelSetup();
        const QStringList before = testQueueFiles();
        dialogs.answerPrint({.outputFile = pdfFile});
        job.printNow(request);
        const QString pdf = pdfFile.isEmpty() ? awaitQueuedPdf(before) : pdfFile;
        EXPECT_FALSE(pdf.isEmpty()) << "the queue wrote no PDF";
        printed << pdf;
        return inkCorner(
            pdf, QString::fromStdString(dir.file("page")) + QString::number(printed.size()));
    }

    QString folder() const { return QString::fromStdString(dir.path()) + '/'; }

    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
    QStringList printed;
    std::unique_ptr<TestQueueLock> queueLock;
};

TEST_F(LabelQueuePrintTest, TheDialogsPrintMovesTheSheetByThePrintersCorrection) {
    const QPointF before = printNow(testQueueName());
    IniFile ini(folder() + QLatin1String(kIniFileName));
    storePrinterCorrection(ini, testQueueName(), {-0.05, 0.12});
    const QPointF after = printNow(testQueueName());
    EXPECT_NEAR(after.x() - before.x(), 0.05, 0.015);
    EXPECT_NEAR(after.y() - before.y(), -0.12, 0.015);

    // A correction written under the PDF printer's name is never applied.
    QFile file(ini.path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("PDF file=0.50,0.50\r\n");
    file.close();
    const QPointF pdf =
        printNow(PrinterCatalog::pdfPrinterName(), folder() + QStringLiteral("labels.pdf"));
    EXPECT_NEAR(pdf.x(), before.x(), 0.015);
    EXPECT_NEAR(pdf.y(), before.y(), 0.015);
}

}  // namespace
}  // namespace rp
