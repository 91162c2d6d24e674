// The ZIP report from the Count Zip Codes window: printed to a PDF file through the print
// status window, previewed into recorded pages handed to the preview, stopped early, and the
// printer set-up with and without printers.
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "postal/ZipCountDialog.h"
#include "postal/ZipReportPrinting.h"
#include "support/AddressFileFixture.h"
#include "support/ScriptedPrintDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

namespace rp {
namespace {

QStringList countLines(int n) {
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("%1     %2").arg(10000 + i * 7).arg(i * 37 + 1);
    lines << "02134     1,234,567"
          << ""
          << ""
          << "BLANK     3";
    return lines;
}

// The darkest grey of the pixels around (x, y), two to either side: a hairline may fall
// between two pixels.
int darkest(const QImage& image, int x, int y) {
    int grey = 255;
    for (int dx = -2; dx <= 2; ++dx) grey = std::min(grey, qGray(image.pixel(x + dx, y)));
    return grey;
}

// Presses the print status window's button whenever the window has come to the state asked
// for: OK once the job has ended, or Stop as soon as the job runs. Final statuses are kept.
class StatusButtonPresser {
  public:
    explicit StatusButtonPresser(bool stopEarly) {
        QObject::connect(&timer_, &QTimer::timeout, [this, stopEarly] {
            auto* status = qobject_cast<PrintStatusDialog*>(QApplication::activeModalWidget());
            if (!status) return;
            if (status->outcome() != PrintOutcome::Pending) {
                finals << status->statusText();
                status->button()->click();
            } else if (stopEarly && !stopped_ && status->button()->text() == "Stop") {
                stopped_ = true;
                status->button()->click();
            }
        });
        timer_.start(1);
    }

    QStringList finals;

  private:
    QTimer timer_;
    bool stopped_ = false;
};

class ZipReportPrinting : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        ASSERT_TRUE(output.isValid());
        catalog.setPdfFolderMemory({[this] { return output.path(); }, {}});
    }

    PreviewHook recordPreview() {
        return [this](const RecordedPages& pages, const QString& caption) {
            captions << caption;
            previewPages = pages.pageCount();
            previewFinished = pages.finished();
            previewResolution = pages.resolution();
            previewPageSize = pages.pageSize();
        };
    }

    QString pdfPath() const { return output.filePath(QStringLiteral("zip-count.pdf")); }

    QTemporaryDir output;
    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
    PrinterCatalog catalog{{}, QString()};
    QStringList captions;
    int previewPages = 0;
    bool previewFinished = false;
    double previewResolution = 0;
    QSizeF previewPageSize;
};

TEST_F(ZipReportPrinting, PrintsToThePdfPrinterAndRendersTheFirstPage) {
    StatusButtonPresser presser(false);
    catalog.printer().setPageSize(QPageSize(QPageSize::Letter));  // as the set-up dialog would
    dialogs.answerPrint({});
    EXPECT_EQ(printZipCounts(countLines(300), catalog, nullptr), PrintOutcome::Completed);
    EXPECT_EQ(presser.finals, QStringList{"\rPrint Completed!"});
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].dialog, "print");
    EXPECT_EQ(dialogs.shown()[0].outputFile, pdfPath());
    ASSERT_TRUE(QFile::exists(pdfPath()));

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    const QString prefix = output.filePath(QStringLiteral("page"));
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                                           pdfPath(), prefix}),
              0);
    const QImage page(prefix + ".png");
    ASSERT_EQ(page.size(), QSize(510, 660));  // Letter at 60 dots per inch
    // The frame's left edge (0.5 inch) and the first column line (2.375 inches) at mid-height
    // are dark; the paper right of the frame (8.25 inches) is white.
    EXPECT_LT(darkest(page, 30, 330), 200);
    EXPECT_LT(darkest(page, 142, 330), 200);
    EXPECT_EQ(darkest(page, 495, 330), 255);
}

TEST_F(ZipReportPrinting, CancelledDialogsPrintNothingAndAnUnwritableFileEndsCanceled) {
    dialogs.answerPrint({false});
    EXPECT_EQ(printZipCounts(countLines(3), catalog, nullptr), std::nullopt);
    EXPECT_FALSE(QFile::exists(pdfPath()));

    StatusButtonPresser presser(false);
    const QString unwritable = output.filePath(QStringLiteral("no-such-folder/zip-count.pdf"));
    dialogs.answerPrint({true, 0, 0, 1, unwritable});
    EXPECT_EQ(printZipCounts(countLines(3), catalog, nullptr), PrintOutcome::Cancelled);
    EXPECT_EQ(presser.finals, QStringList{"\rPrint Canceled!"});
    EXPECT_EQ(shown.texts(), QStringList{"The file " + QDir::toNativeSeparators(unwritable) +
                                         " cannot be written: No such file or directory"});
}

TEST_F(ZipReportPrinting, APreviewIsRecordedForTheSelectedPrinterAndShown) {
    StatusButtonPresser presser(false);
    catalog.printer().setPageSize(QPageSize(QPageSize::A4));
    EXPECT_EQ(previewZipCounts(countLines(300), catalog, recordPreview(), nullptr),
              PrintOutcome::Completed);
    EXPECT_EQ(presser.finals, QStringList{"\rPreview Ready!"});
    EXPECT_EQ(captions, QStringList{"Preview Zipcode Count"});
    EXPECT_EQ(previewPages, 2);
    EXPECT_TRUE(previewFinished);
    EXPECT_EQ(previewResolution, catalog.printer().resolution());
    EXPECT_EQ(previewPageSize, QSizeF(210 / 25.4, 297 / 25.4));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ZipReportPrinting, AStoppedPreviewShowsThePagesMadeSoFar) {
    StatusButtonPresser presser(true);
    EXPECT_EQ(previewZipCounts(countLines(1000), catalog, recordPreview(), nullptr),
              PrintOutcome::Stopped);
    EXPECT_EQ(presser.finals, QStringList{"\rPreview Stopped at page 1!"});
    EXPECT_EQ(captions, QStringList{"Preview Zipcode Count"});
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(previewFinished);
}

TEST_F(ZipReportPrinting, PrintSetupNeedsAPrinter) {
    zipReportPrintSetup(catalog, nullptr);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.shown()[0].caption, "Information");
    EXPECT_EQ(shown.shown()[0].text, "There are no printers installed");
    EXPECT_TRUE(dialogs.shown().empty());

    dialogs.answerSetup(true);
    zipReportPrintSetup(catalog, &catalog);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].dialog, "setup");
    EXPECT_EQ(shown.shown().size(), 1u);
}

TEST_F(ZipReportPrinting, TheCountWindowsButtonsPrintPreviewAndSetUp) {
    add({{"ZIP", "30301"}});
    add({{"ZIP", "30301-1234"}});
    add({{"ZIP", ""}});
    ZipCountDialog window(table.table());
    connectZipReport(window, catalog, &catalog, recordPreview());
    window.show();
    QApplication::processEvents();
    ASSERT_TRUE(window.counted());

    StatusButtonPresser presser(false);
    window.previewButton()->click();
    EXPECT_EQ(captions, QStringList{"Preview Zipcode Count"});
    EXPECT_EQ(previewPages, 1);

    dialogs.answerPrint({});
    window.printButton()->click();
    EXPECT_TRUE(QFile::exists(pdfPath()));
    EXPECT_EQ(presser.finals, (QStringList{"\rPreview Ready!", "\rPrint Completed!"}));

    dialogs.answerSetup(false);
    window.printSetupButton()->click();
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].dialog, "setup");
}

}  // namespace
}  // namespace rp
