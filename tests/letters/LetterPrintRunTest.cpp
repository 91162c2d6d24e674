// Printing letters: the text rectangle on the printer's page, the pages of each record and
// copy, cancelling, the records chosen for "Print Now", and a print through "PDF file".
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <array>

#include "data/AddressLayout.h"
#include "framework/PrinterCatalog.h"
#include "letters/LetterDocument.h"
#include "letters/LetterPrintRun.h"
#include "letters/LetterPrintStatusDialog.h"
#include "letters/LetterPrinting.h"
#include "support/AddressFileFixture.h"
#include "support/ReportLog.h"
#include "support/ScriptedPrintDialogs.h"

namespace rp {
namespace {

TEST(PrinterBounds, FromTheLayoutInTwipsTheResolutionAndTheOffsets) {
    const struct {
        PageLayout page;
        int res, xoffset, yoffset;
        PrinterBounds bounds;
    } cases[] = {
        {PageLayout{}, 600, 0, 0, {600, 600, 3900, 5400}},
        {PageLayout{}, 600, 25, 30, {575, 570, 3925, 5430}},
        {PageLayout{11906, 16838, 1134, 1134, 1417, 1417}, 300, 0, 0, {236, 295, 2008, 2917}},
        {PageLayout{12240, 15840, 6120, 6120, 1440, 1440}, 300, 0, 0, {1275, 300, 0, 2700}},
    };
    for (const auto& c : cases) {
        const PrinterBounds b = determinePrinterBounds(c.page, c.res, c.res, c.xoffset, c.yoffset);
        EXPECT_EQ((std::array{b.left, b.top, b.width, b.height}),
                  (std::array{c.bounds.left, c.bounds.top, c.bounds.width, c.bounds.height}));
    }
}

class LetterPrintRunTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        for (const char* last : {"Adams", "Baker", "Clark"})
            add({{"LNAME", last}, {"FNAME", "Pat"}, {"CITY", "Reno"}});
        table->goTop();
    }
    // A letter of the given number of pages on Letter paper with 1-inch margins.
    static std::unique_ptr<QTextDocument> letterOfPages(int pages) {
        auto letter = newLetterDocument();
        QString text = QStringLiteral("Dear [First] [Last],");
        for (int line = 1; line < pages * 40; ++line) text += QStringLiteral("\nLine");
        letter->setPlainText(text);
        return letter;
    }
    static QStringList firstLines(const ReportLog& log) {
        QStringList lines;
        for (const DocumentPageOp& op : log.documentPages())
            if (op.page == 0) lines << op.document->begin().text();
        return lines;
    }
};

TEST_F(LetterPrintRunTest, EachRecordOnItsOwnPageInTheTextRectangle) {
    const auto letter = letterOfPages(1);
    LetterPrintRun run(*letter, table.table(), {});
    std::vector<int> told;
    run.keepGoing = [&](int pages) {
        told.push_back(pages);
        return true;
    };
    ReportLog log(300);
    EXPECT_TRUE(run.run(log));
    EXPECT_TRUE(log.ended());
    EXPECT_EQ(log.pages(), 3);
    EXPECT_EQ(told, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(firstLines(log),
              (QStringList{"Dear Pat Adams,", "Dear Pat Baker,", "Dear Pat Clark,"}));
    const DocumentPageOp first = log.documentPages(1).at(0);
    EXPECT_EQ(first.rect, QRectF(1, 1, 6.5, 9));
    EXPECT_EQ(first.layoutDpi, 300);
    EXPECT_EQ(first.document->pageSize(), QSizeF(1950, 2700));
    EXPECT_EQ(log.paper().kind(), PaperKind::Letter);
}

TEST_F(LetterPrintRunTest, TwoCopiesOfATwoPageLetterCountFourPagesForTheRecord) {
    const auto letter = letterOfPages(2);
    LetterPrintRun run(*letter, table.table(), {.copies = 2, .onlyCurrent = true, .today = {}});
    ReportLog log(300);
    ASSERT_TRUE(run.run(log));
    EXPECT_EQ(run.pagesCounted(), 4);
    EXPECT_EQ(log.pages(), 4);
    std::vector<int> pageOfDocument;
    for (const DocumentPageOp& op : log.documentPages()) pageOfDocument.push_back(op.page);
    EXPECT_EQ(pageOfDocument, (std::vector<int>{0, 1, 0, 1}));
}

TEST_F(LetterPrintRunTest, CancelAbortsAndALayoutWithoutTextAreaStopsTheJob) {
    const auto letter = letterOfPages(1);
    LetterPrintRun run(*letter, table.table(), {});
    run.keepGoing = [](int) { return false; };
    ReportLog log(300);
    EXPECT_FALSE(run.run(log));
    EXPECT_TRUE(log.aborted());
    EXPECT_FALSE(log.ended());
    EXPECT_EQ(log.documentPages().size(), 1u);

    setPageLayout(*letter, {12240, 15840, 1440, 1440, 8000, 8000});
    table->goTop();
    LetterPrintRun none(*letter, table.table(), {});
    ReportLog refused(300);
    try {
        none.run(refused);
        FAIL() << "a page without room for text was printed";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(e.what(), noTextAreaMessage().toStdString());
    }
    EXPECT_TRUE(refused.aborted());
    EXPECT_TRUE(refused.documentPages().empty());
}

// A surface that keeps nothing once drawn, as a printer making its own copies: the run merges
// every record into one working letter. It notes the text of each page as drawn and the edits
// the letter saw after the first page.
class PassingSurface : public ReportLog {
  public:
    using ReportLog::ReportLog;
    bool keepsOperations() const override { return false; }
    void draw(const ReportOp& op) override {
        if (const auto* page = std::get_if<DocumentPageOp>(&op)) {
            texts << page->document->toPlainText();
            if (!watched_) {
                watched_ = page->document.get();
                QObject::connect(watched_, &QTextDocument::contentsChange, [this] { ++edits; });
            }
        }
        ReportLog::draw(op);
    }
    QStringList texts;
    int edits = 0;

  private:
    const QTextDocument* watched_ = nullptr;
};

TEST_F(LetterPrintRunTest, AWorkingLetterTakesEachRecordInOneEdit) {
    const auto letter = newLetterDocument();
    letter->setPlainText(QStringLiteral("Dear [First] [Last],\nof [City]"));
    LetterPrintRun run(*letter, table.table(), {});
    PassingSurface surface(300);
    ASSERT_TRUE(run.run(surface));
    EXPECT_EQ(surface.texts, (QStringList{"Dear Pat Adams,\nof Reno", "Dear Pat Baker,\nof Reno",
                                          "Dear Pat Clark,\nof Reno"}));
    // One edit for each record after the first, and so one layout of what it changed.
    EXPECT_EQ(surface.edits, 2);
}

TEST_F(LetterPrintRunTest, RecordsChosenForPrintNow) {
    table->setFilter("CITY = \"Reno\" .and. LNAME <> \"Baker\"");
    const std::uint32_t baker = 2;
    const struct {
        LetterRecords records;
        bool fromCurrent;
        const char* standsOn;
        bool told;
        bool standing;  // the filter becomes the standing condition
    } cases[] = {
        {LetterRecords::Current, false, "Baker", false, false},
        {LetterRecords::Current, true, "Adams", true, false},
        {LetterRecords::Filtered, false, "Adams", false, false},
        {LetterRecords::All, true, "Baker", false, true},
        {LetterRecords::All, false, "Adams", false, true},
    };
    const std::string userFilter = table->filter();
    for (const auto& c : cases) {
        table->setFilter(userFilter);
        table->go(baker);
        shown.clear();
        chooseLetterRecords(table.table(), {c.records, c.fromCurrent, 1}, baker);
        EXPECT_EQ(table->text("LNAME"), c.standsOn);
        EXPECT_EQ(shown.texts().size(), c.told ? 1 : 0);
        EXPECT_EQ(table->filter() == kStandingCondition.toStdString(), c.standing);
    }
    EXPECT_EQ(shown.texts(), QStringList{}) << "the last case tells nothing";
}

class PrintNowTest : public LetterPrintRunTest {
  protected:
    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
    PrinterCatalog catalog{{}, QString()};
    QString pdf() const { return QString::fromStdString(dir.path()) + "/letters.pdf"; }
};

TEST_F(PrintNowTest, PrintsToPdfTellsCompletionAndPutsTheTableBack) {
    table->setFilter("LNAME <> \"Clark\"");
    table->go(2);
    const auto letter = letterOfPages(1);
    LetterPrinting printing(table.table(), catalog, QStringLiteral("12/08/2026"), nullptr);
    QStringList finals;
    printing.showStatus = [&](LetterPrintStatusDialog& status) {
        EXPECT_EQ(status.windowTitle(), "Print Status Screen");
        EXPECT_EQ(status.button()->text(), "Cancel");
        status.runPrint();
        finals << status.statusLabel()->text() << status.button()->text();
    };
    dialogs.answerPrint({.outputFile = pdf()});
    printing.printNow(*letter, {LetterRecords::All, false, 1});
    EXPECT_EQ(finals, (QStringList{"Letter Print Completed!", "Close"}));
    EXPECT_TRUE(QFile::exists(pdf()));
    EXPECT_EQ(table->filter(), "LNAME <> \"Clark\"");
    EXPECT_EQ(table->recNo(), 2u);

    // Cancel pressed: "Cancel print job?" No goes on, Yes aborts and writes nothing.
    QFile::remove(pdf());
    printing.showStatus = [&](LetterPrintStatusDialog& status) {
        status.button()->click();
        status.runPrint();
        finals << status.statusLabel()->text();
    };
    shown.answer(false);
    dialogs.answerPrint({.outputFile = pdf()});
    printing.printNow(*letter, {LetterRecords::All, false, 1});
    EXPECT_EQ(finals.last(), "Letter Print Completed!");
    QFile::remove(pdf());
    shown.answer(true);
    dialogs.answerPrint({.outputFile = pdf()});
    printing.printNow(*letter, {LetterRecords::All, false, 1});
    EXPECT_EQ(finals.last(), "Letter Print Canceled!");
    EXPECT_EQ(shown.texts(), (QStringList{"Cancel print job?", "Cancel print job?"}));
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_EQ(table->filter(), "LNAME <> \"Clark\"");
    EXPECT_EQ(table->recNo(), 2u);
}

// The PDF's text, page by page.
QStringList pdfPages(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(30000)) << "pdftotext (Debian package poppler-utils)";
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QChar(u'\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

TEST_F(PrintNowTest, EachPageOfThePdfHasItsRecordWhetherThePrinterOrTheRunMakesTheCopies) {
    const auto letter = letterOfPages(1);
    LetterPrinting printing(table.table(), catalog, QStringLiteral("12/08/2026"), nullptr);
    printing.showStatus = [](LetterPrintStatusDialog& status) { status.runPrint(); };
    const struct {
        int dialogCopies;  // copies asked in the print dialog: the pages are kept and sent again
        int letterCopies;  // "# copies of each letter"
        QStringList names;
    } cases[] = {
        {1, 1, {"Adams", "Baker", "Clark"}},
        {1, 2, {"Adams", "Adams", "Baker", "Baker", "Clark", "Clark"}},
        {2, 1, {"Adams", "Baker", "Clark", "Adams", "Baker", "Clark"}},
    };
    for (const auto& c : cases) {
        QFile::remove(pdf());
        catalog.discardSettings();
        dialogs.answerPrint({.copies = c.dialogCopies, .outputFile = pdf()});
        printing.printNow(*letter, {LetterRecords::All, false, c.letterCopies});
        QStringList names;
        for (const QString& page : pdfPages(pdf()))
            names << page.section(QLatin1Char(' '), 2, 2).section(QLatin1Char(','), 0, 0);
        EXPECT_EQ(names, c.names) << c.dialogCopies << " " << c.letterCopies;
    }
}

}  // namespace
}  // namespace rp
