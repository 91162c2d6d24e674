// The printer list with its built-in PDF printer, the print dialogs behind their interface,
// and reports printed through the PDF printer with page ranges and copies, written in place
// of the file only when complete.
#include "framework/PrinterCatalog.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "support/FileSizeLimitScope.h"
#include "support/ScriptedMessages.h"
#include "support/ScriptedPrintDialogs.h"
#include "support/ToolOutput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

using namespace rp;

const QString kPdf = QStringLiteral("PDF file");

TEST(PrinterCatalog, ListsTheSystemPrintersThenThePdfPrinter) {
    PrinterCatalog catalog({QStringLiteral("Laser"), QStringLiteral("Inkjet")},
                           QStringLiteral("Inkjet"));
    EXPECT_EQ(catalog.names(),
              (QStringList{QStringLiteral("Laser"), QStringLiteral("Inkjet"), kPdf}));
    EXPECT_TRUE(catalog.anyInstalled());
    EXPECT_EQ(catalog.defaultPrinter(), QStringLiteral("Inkjet"));
    EXPECT_EQ(catalog.selected(), QStringLiteral("Inkjet"));
}

TEST(PrinterCatalog, WithoutSystemPrintersThePdfPrinterIsTheDefault) {
    PrinterCatalog catalog({}, QString());
    EXPECT_EQ(catalog.names(), QStringList{kPdf});
    EXPECT_TRUE(catalog.anyInstalled());
    EXPECT_EQ(catalog.defaultPrinter(), kPdf);
    EXPECT_TRUE(catalog.pdfSelected());
    EXPECT_EQ(PrinterCatalog::fromSystem().names().constLast(), kPdf);
}

TEST(PrinterCatalog, SelectsOnlyListedPrinters) {
    PrinterCatalog catalog({QStringLiteral("Laser")}, QStringLiteral("Laser"));
    EXPECT_TRUE(catalog.select(kPdf));
    EXPECT_FALSE(catalog.select(QStringLiteral("Plotter")));
    EXPECT_EQ(catalog.selected(), kPdf);
    EXPECT_EQ(catalog.printer().outputFormat(), QPrinter::PdfFormat);
}

TEST(PrinterCatalog, RestoringASelectionForgetsTheChoicesMadeSince) {
    PrinterCatalog catalog({QStringLiteral("Laser"), QStringLiteral("Inkjet")},
                           QStringLiteral("Laser"));
    catalog.select(QStringLiteral("Inkjet"));
    catalog.rememberSelection();
    catalog.select(kPdf);
    catalog.printer().setCopyCount(3);
    catalog.restoreSelection();
    EXPECT_EQ(catalog.selected(), QStringLiteral("Inkjet"));
    EXPECT_EQ(catalog.printer().copyCount(), 1);
}

TEST(PrinterCatalog, SettingsLastUntilDiscarded) {
    PrinterCatalog catalog({}, QString());
    catalog.printer().setPageOrientation(QPageLayout::Landscape);
    EXPECT_EQ(catalog.printer().pageLayout().orientation(), QPageLayout::Landscape);
    catalog.discardSettings();
    EXPECT_EQ(catalog.printer().pageLayout().orientation(), QPageLayout::Portrait);
}

// The print dialog of "PDF file" proposes the job's file in the folder of the last PDF
// written while that folder exists, else in the home folder; the dialog's answer is final.
TEST(PrinterCatalog, ThePrintDialogProposesTheJobsFileInTheLastPdfFolder) {
    QTemporaryDir last;
    QString remembered;
    ScriptedPrintDialogs dialogs;
    PrintDialogsScope scope(dialogs);
    PrinterCatalog catalog({QStringLiteral("Laser")}, QStringLiteral("Laser"));
    catalog.setPdfFolderMemory({[&] { return remembered; }, {}});

    dialogs.answerPrint({});
    EXPECT_TRUE(catalog.showPrintDialog(QStringLiteral("labels.pdf")));
    catalog.select(kPdf);
    struct Case {
        QString remembered;
        QString proposed;
    };
    const Case cases[] = {
        {QString(), QDir::home().filePath(QStringLiteral("labels.pdf"))},
        {last.path(), last.filePath(QStringLiteral("labels.pdf"))},
        {last.filePath(QStringLiteral("gone")),
         QDir::home().filePath(QStringLiteral("labels.pdf"))},
    };
    for (const Case& c : cases) {
        remembered = c.remembered;
        dialogs.answerPrint({false});
        EXPECT_FALSE(catalog.showPrintDialog(QStringLiteral("labels.pdf")));
    }
    ASSERT_EQ(dialogs.shown().size(), 4u);
    EXPECT_EQ(dialogs.shown()[0].outputFile, QString());
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(dialogs.shown()[i + 1].outputFile, cases[i].proposed) << i;
}

TEST(ScriptedPrintDialogs, AnswersGoIntoThePrinter) {
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
int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

// The text pdftotext finds on one page.
QString pageText(const QString& path, int page) {
    return toolOutput(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                       QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
}

// A two-page count report: heading, frame, column lines and shaded rows in tab stops.
void drawCountReport(ReportCanvas& canvas) {
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
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        catalog.setPdfFolderMemory({[this] { return QDir::toNativeSeparators(dir.path()); },
                                    [this](const QString& folder) { remembered << folder; }});
    }

    QString pdf() const { return dir.filePath(QStringLiteral("count.pdf")); }
    // A confirmed print dialog on "count.pdf", then the job's surface.
    std::unique_ptr<PrinterSurface> confirmedJob(const ScriptedPrintDialogs::Answer& answer = {}) {
        dialogs.answerPrint(answer);
        EXPECT_TRUE(catalog.showPrintDialog(QStringLiteral("count.pdf")));
        return catalog.jobSurface();
    }
    QByteArray contents() const {
        QFile file(pdf());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
    ScriptedMessages shown;
    MessagesScope messagesScope{shown};
    PrinterCatalog catalog{{}, QString()};
    QStringList remembered;
};

TEST_F(PdfPrinting, ATwoPageReportMakesATwoPagePdf) {
    const auto surface = confirmedJob();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].outputFile, pdf());
    ReportCanvas canvas(*surface);
    EXPECT_DOUBLE_EQ(canvas.unprintableLeft(), 0);
    drawCountReport(canvas);
    EXPECT_EQ(canvas.pageNumber(), 2);
    EXPECT_EQ(surface->pagesPrinted(), 2);
    EXPECT_EQ(pdfPages(pdf()), 2);
    EXPECT_EQ(remembered, QStringList{QDir::toNativeSeparators(dir.path())});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"count.pdf"});
}

TEST_F(PdfPrinting, OnlyThePageRangeIsPrinted) {
    const auto surface = confirmedJob({true, 2, 2, 1});
    ReportCanvas canvas(*surface);
    drawCountReport(canvas);
    EXPECT_EQ(surface->pagesPrinted(), 1);
    EXPECT_EQ(pdfPages(pdf()), 1);
}

TEST_F(PdfPrinting, CopiesArePrintedHereWhenThePrinterCannotMakeThem) {
    const auto surface = confirmedJob({true, 0, 0, 3});
    ASSERT_FALSE(catalog.printer().supportsMultipleCopies());
    catalog.printer().setCollateCopies(true);
    ReportCanvas canvas(*surface);
    drawCountReport(canvas);
    EXPECT_EQ(surface->pagesPrinted(), 6);
    EXPECT_EQ(pdfPages(pdf()), 6);
    // Collated: the two pages three times over, each copy with the text of the first.
    const QString first = pageText(pdf(), 1);
    const QString second = pageText(pdf(), 2);
    EXPECT_TRUE(first.contains(QStringLiteral("Zip Code Count"))) << first.toStdString();
    EXPECT_NE(second, first);
    for (int page = 3; page <= 6; ++page)
        EXPECT_EQ(pageText(pdf(), page), page % 2 == 1 ? first : second) << page;
}

TEST_F(PdfPrinting, TheDocumentHasThePaperOfTheReport) {
    const auto surface = confirmedJob();
    ReportCanvas canvas(*surface);
    canvas.setCustomPaper(4.125, 9.5);
    canvas.setLandscape(true);
    ASSERT_TRUE(canvas.start());
    canvas.println(QStringLiteral("envelope"));
    canvas.finish();
    // An envelope 4.125 wide and 9.5 long printed landscape is 684 by 297 points.
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox \\[0 0 684(\\.0*)? 297(\\.0*)?\\]"));
    EXPECT_TRUE(QString::fromLatin1(contents()).contains(mediaBox));
}

// The file in place is replaced only by a complete job: an aborted job, one that fails on the
// way, and one whose folder cannot take it leave it byte for byte; none leaves a partial file.
TEST_F(PdfPrinting, OnlyACompletedJobReplacesTheFile) {
    const QByteArray before = "%PDF-1.4 the earlier count\n";
    {
        QFile file(pdf());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const auto draw = [](ReportCanvas& canvas) {
        ASSERT_TRUE(canvas.start());
        canvas.println(QStringLiteral("half"));
    };
    {
        const auto surface = confirmedJob();
        ReportCanvas canvas(*surface);
        draw(canvas);
        canvas.abort();
        EXPECT_TRUE(canvas.aborted());
        canvas.finish();
    }
    EXPECT_THROW(
        {
            const auto surface = confirmedJob();
            ReportCanvas canvas(*surface);
            draw(canvas);
            throw std::runtime_error("a failure on the way");
        },
        std::runtime_error);
    EXPECT_EQ(contents(), before);
    EXPECT_TRUE(remembered.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"count.pdf"});

    const QString unwritable = dir.filePath(QStringLiteral("gone/count.pdf"));
    const auto elsewhere = confirmedJob({true, 0, 0, 1, unwritable});
    ReportCanvas failed(*elsewhere);
    EXPECT_FALSE(failed.start());
    EXPECT_EQ(shown.texts(), QStringList{"The file " + QDir::toNativeSeparators(unwritable) +
                                         " cannot be written: No such file or directory"});
    EXPECT_EQ(catalog.printer().outputFileName(), unwritable);

    const auto surface = confirmedJob();
    ReportCanvas canvas(*surface);
    draw(canvas);
    canvas.finish();
    EXPECT_TRUE(contents().startsWith("%PDF"));
    EXPECT_NE(contents(), before);
    EXPECT_EQ(pdfPages(pdf()), 1);
    EXPECT_EQ(remembered, QStringList{QDir::toNativeSeparators(dir.path())});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"count.pdf"});
}

TEST_F(PdfPrinting, ADocumentThatCouldNotBeWrittenWholeLeavesTheFileAsItWas) {
    const QByteArray before = "%PDF-1.4 the earlier count\n";
    {
        QFile file(pdf());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const auto surface = confirmedJob();
    {
        ReportCanvas canvas(*surface);
        const FileSizeLimitScope limit(2048);
        drawCountReport(canvas);
    }
    EXPECT_EQ(shown.texts(), QStringList{"The file " + QDir::toNativeSeparators(pdf()) +
                                         " cannot be written: File too large"});
    EXPECT_EQ(contents(), before);
    EXPECT_TRUE(remembered.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"count.pdf"});
}

}  // namespace
