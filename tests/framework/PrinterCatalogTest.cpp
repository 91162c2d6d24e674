// The printer list with its built-in PDF printer, the print dialogs behind their interface,
// and reports printed through the PDF printer with page ranges and copies.
#include "framework/PrinterCatalog.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "framework/ScriptedFileChooser.h"
#include "framework/ScriptedPrintDialogs.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace rp;

const QString kPdf = QStringLiteral("PDF file");

TEST(PrinterCatalog, ListsTheSystemPrintersThenThePdfPrinter)
{
    PrinterCatalog catalog({QStringLiteral("Laser"), QStringLiteral("Inkjet")}, QStringLiteral("Inkjet"));
    EXPECT_EQ(catalog.names(), (QStringList{QStringLiteral("Laser"), QStringLiteral("Inkjet"), kPdf}));
    EXPECT_TRUE(catalog.anyInstalled());
    EXPECT_EQ(catalog.defaultPrinter(), QStringLiteral("Inkjet"));
    EXPECT_EQ(catalog.selected(), QStringLiteral("Inkjet"));
}

TEST(PrinterCatalog, WithoutSystemPrintersThePdfPrinterIsTheDefault)
{
    PrinterCatalog catalog({}, QString());
    EXPECT_EQ(catalog.names(), QStringList{kPdf});
    EXPECT_TRUE(catalog.anyInstalled());
    EXPECT_EQ(catalog.defaultPrinter(), kPdf);
    EXPECT_TRUE(catalog.pdfSelected());
    EXPECT_EQ(PrinterCatalog::fromSystem().names().constLast(), kPdf);
}

TEST(PrinterCatalog, SelectsOnlyListedPrinters)
{
    PrinterCatalog catalog({QStringLiteral("Laser")}, QStringLiteral("Laser"));
    EXPECT_TRUE(catalog.select(kPdf));
    EXPECT_FALSE(catalog.select(QStringLiteral("Plotter")));
    EXPECT_EQ(catalog.selected(), kPdf);
    EXPECT_EQ(catalog.printer().outputFormat(), QPrinter::PdfFormat);
}

TEST(PrinterCatalog, RestoringASelectionForgetsTheChoicesMadeSince)
{
    PrinterCatalog catalog({QStringLiteral("Laser"), QStringLiteral("Inkjet")}, QStringLiteral("Laser"));
    catalog.select(QStringLiteral("Inkjet"));
    catalog.rememberSelection();
    catalog.select(kPdf);
    catalog.printer().setCopyCount(3);
    catalog.restoreSelection();
    EXPECT_EQ(catalog.selected(), QStringLiteral("Inkjet"));
    EXPECT_EQ(catalog.printer().copyCount(), 1);
}

TEST(PrinterCatalog, SettingsLastUntilDiscarded)
{
    PrinterCatalog catalog({}, QString());
    catalog.printer().setPageOrientation(QPageLayout::Landscape);
    EXPECT_EQ(catalog.printer().pageLayout().orientation(), QPageLayout::Landscape);
    catalog.discardSettings();
    EXPECT_EQ(catalog.printer().pageLayout().orientation(), QPageLayout::Portrait);
}

TEST(PrinterCatalog, ThePdfPrinterAsksForItsFile)
{
    ScriptedFileChooser files;
    FileChooserScope scope(files);
    PrinterCatalog catalog({}, QString());
    files.answer(std::nullopt);
    EXPECT_FALSE(catalog.prepareJob());
    files.answer(QStringLiteral("/tmp/report.pdf"));
    EXPECT_TRUE(catalog.prepareJob());
    EXPECT_EQ(catalog.printer().outputFileName(), QStringLiteral("/tmp/report.pdf"));
    ASSERT_EQ(files.requests().size(), 2u);
    EXPECT_EQ(files.requests()[0].filter, QStringLiteral("PDF Files|*.pdf"));
    EXPECT_EQ(files.requests()[0].defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(files.requests()[0].confirmOverwrite);
}

TEST(PrinterCatalog, SystemPrintersNeedNoFileName)
{
    ScriptedFileChooser files;
    FileChooserScope scope(files);
    PrinterCatalog catalog({QStringLiteral("Laser")}, QStringLiteral("Laser"));
    EXPECT_TRUE(catalog.prepareJob());
    EXPECT_TRUE(files.requests().empty());
}

TEST(ScriptedPrintDialogs, AnswersGoIntoThePrinter)
{
    ScriptedPrintDialogs dialogs;
    PrintDialogsScope scope(dialogs);
    PrinterCatalog catalog({}, QString());
    dialogs.answerPrint({true, 2, 3, 2});
    dialogs.answerPrint({false});
    dialogs.answerSetup(false);
    EXPECT_TRUE(printDialogs().print(catalog.printer()));
    EXPECT_EQ(catalog.printer().fromPage(), 2);
    EXPECT_EQ(catalog.printer().toPage(), 3);
    EXPECT_EQ(catalog.printer().copyCount(), 2);
    EXPECT_FALSE(printDialogs().print(catalog.printer()));
    EXPECT_FALSE(printDialogs().setup(catalog.printer()));
    EXPECT_THROW(printDialogs().setup(catalog.printer()), std::logic_error);
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[2].dialog, QStringLiteral("setup"));
}

// Pages in a PDF file, counted from its page objects.
int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

// A two-page count report: heading, frame, column lines and shaded rows in tab stops.
void drawCountReport(ReportCanvas& canvas)
{
    canvas.setFont(ReportFont{QStringLiteral("Arial"), 10, false, false});
    canvas.setMarginLeft(0.5);
    canvas.setMarginRight(0.5);
    canvas.setMarginTop(1);
    canvas.setMarginBottom(1);
    canvas.addTab(TabStop{0.0, TextAlign::Left, 0.625, 0.05, BoxLine::None, 0});
    canvas.addTab(TabStop{std::nullopt, TextAlign::Right, 0.625, 0.05, BoxLine::None, 0});
    canvas.addTab(TabStop{std::nullopt, TextAlign::Left, 0.625, 0.05, BoxLine::None, 0});
    canvas.setPageStartHandler([](ReportCanvas& c) {
        const QRectF area = c.section();
        c.setOrigin(0, 0);
        c.setBold(true);
        c.gotoXY(area.left(), area.top() - 0.25);
        c.newLine();
        c.print(QStringLiteral("Zip Code Count Report"));
        c.setBold(false);
        c.gotoXY(area.left(), area.bottom());
        c.newLine();
        c.print(QStringLiteral("Page %1").arg(c.pageNumber()));
        c.setPen(Qt::black, Qt::SolidLine, 1);
        c.rectangle(area);
        for (double x : {1.875, 3.75, 5.625})
            c.line(area.left() + x, area.top(), area.left() + x, area.bottom());
        c.setOrigin(0.5, 0);
        c.home();
    });
    ASSERT_TRUE(canvas.start());
    const int rows = canvas.linesLeft() * 4 + 10;
    int column = 0;
    int row = 0;
    for (int i = 0; i < rows; ++i) {
        if (canvas.linesLeft() == 0) {
            if (++column == 4) {
                canvas.newPage();
                column = 0;
            }
            canvas.setOrigin(column * 1.875 + 0.5, 0);
            canvas.home();
            row = 0;
        }
        ++row;
        const double top = canvas.lineTop();
        if (row % 2 == 1) canvas.shadeRectangle(QRectF(0, top, 1.875, canvas.lineHeight()), 5);
        canvas.printTab(QStringLiteral("%1").arg(10000 + i * 7, 5, 10, QLatin1Char('0')));
        canvas.printTab(QLocale(QLocale::English).toString(i * 37));
        canvas.printTab(QString());
        canvas.newLine();
    }
    canvas.finish();
}

class PdfPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        files.answer(dir.filePath(QStringLiteral("count.pdf")));
    }

    QTemporaryDir dir;
    ScriptedFileChooser files;
    FileChooserScope filesScope{files};
    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
    PrinterCatalog catalog{{}, QString()};
};

TEST_F(PdfPrinting, ATwoPageReportMakesATwoPagePdf)
{
    dialogs.answerPrint({});
    ASSERT_TRUE(printDialogs().print(catalog.printer()));
    ASSERT_TRUE(catalog.prepareJob());
    PrinterSurface surface(catalog.printer());
    ReportCanvas canvas(surface);
    EXPECT_DOUBLE_EQ(canvas.unprintableLeft(), 0);
    drawCountReport(canvas);
    EXPECT_EQ(canvas.pageNumber(), 2);
    EXPECT_EQ(surface.pagesPrinted(), 2);
    EXPECT_EQ(pdfPages(dir.filePath(QStringLiteral("count.pdf"))), 2);
}

TEST_F(PdfPrinting, OnlyThePageRangeIsPrinted)
{
    dialogs.answerPrint({true, 2, 2, 1});
    ASSERT_TRUE(printDialogs().print(catalog.printer()));
    ASSERT_TRUE(catalog.prepareJob());
    PrinterSurface surface(catalog.printer());
    ReportCanvas canvas(surface);
    drawCountReport(canvas);
    EXPECT_EQ(surface.pagesPrinted(), 1);
    EXPECT_EQ(pdfPages(dir.filePath(QStringLiteral("count.pdf"))), 1);
}

TEST_F(PdfPrinting, CopiesArePrintedHereWhenThePrinterCannotMakeThem)
{
    dialogs.answerPrint({true, 0, 0, 3});
    ASSERT_TRUE(printDialogs().print(catalog.printer()));
    ASSERT_TRUE(catalog.prepareJob());
    ASSERT_FALSE(catalog.printer().supportsMultipleCopies());
    catalog.printer().setCollateCopies(true);
    PrinterSurface surface(catalog.printer());
    ReportCanvas canvas(surface);
    drawCountReport(canvas);
    EXPECT_EQ(surface.pagesPrinted(), 6);
    EXPECT_EQ(pdfPages(dir.filePath(QStringLiteral("count.pdf"))), 6);
}

TEST_F(PdfPrinting, TheDocumentHasThePaperOfTheReport)
{
    ASSERT_TRUE(catalog.prepareJob());
    PrinterSurface surface(catalog.printer());
    ReportCanvas canvas(surface);
    canvas.setCustomPaper(4.125, 9.5);
    canvas.setLandscape(true);
    ASSERT_TRUE(canvas.start());
    canvas.println(QStringLiteral("envelope"));
    canvas.finish();
    QFile file(dir.filePath(QStringLiteral("count.pdf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // An envelope 4.125 wide and 9.5 long printed landscape is 684 by 297 points.
    static const QRegularExpression mediaBox(QStringLiteral("/MediaBox \\[0 0 684(\\.0*)? 297(\\.0*)?\\]"));
    EXPECT_TRUE(QString::fromLatin1(file.readAll()).contains(mediaBox));
}

TEST_F(PdfPrinting, AnAbortedJobLeavesNoFile)
{
    ASSERT_TRUE(catalog.prepareJob());
    PrinterSurface surface(catalog.printer());
    ReportCanvas canvas(surface);
    ASSERT_TRUE(canvas.start());
    canvas.println(QStringLiteral("half"));
    canvas.abort();
    EXPECT_TRUE(canvas.aborted());
    canvas.finish();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("count.pdf"))));
}

}  // namespace
