// Printing labels as the Print Labels dialog asks: the records chosen, the start from the
// current record, the presort with its reuse, the paper question, the table restored
// afterwards, and one print through the "PDF file" printer.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "data/AddressLayout.h"
#include "data/IniFile.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSheet.h"
#include "mailpiece/PostalBarcode.h"
#include "postal/Presort.h"
#include "postal/PresortDialog.h"
#include "support/AddressFileFixture.h"
#include "support/ScriptedPrintDialogs.h"
#include "xbase/Error.h"

namespace rp {
namespace {

class LabelPrintJobTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        engine.settings.hideDeleted = true;
        table->setFilter(kStandingCondition.toStdString());
        job = std::make_unique<LabelPrintJob>(table.table(), folder(), catalog, &PresortDialog::run,
                                              nullptr);
        // The window runs in place; the final status is kept.
        job->showStatus = [this](PrintStatusDialog& status) {
            status.show();
            while (status.outcome() == PrintOutcome::Pending) QApplication::processEvents();
            finals << status.statusText();
            status.close();
        };
        job->showPreview = [this](const RecordedPages& pages) {
            for (int p = 0; p < pages.pageCount(); ++p)
                for (const ReportOp& op : pages.page(p))
                    if (const auto* run = std::get_if<TextRun>(&op)) previewed << run->text;
        };
    }

    LabelPrintRequest request(LabelRecords records) const {
        LabelPrintRequest r;
        r.setup = defaultLabelSetup();
        r.setup.contents.zip = false;  // one line a label: the name
        r.records = records;
        return r;
    }

    QString folder() const { return QString::fromStdString(dir.path()) + '/'; }

    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
    PrinterCatalog catalog{{}, QString()};
    std::unique_ptr<LabelPrintJob> job;
    QStringList finals;
    QStringList previewed;
};

TEST_F(LabelPrintJobTest, OnlyTheCurrentRecordOrTheFilterFromTheCurrentRecordAndTheTableRestored) {
    add({{"LNAME", "Adams"}});
    const std::uint32_t baker = add({{"LNAME", "Baker"}});
    add({{"LNAME", "Clark"}});
    const std::string standing = table->filter();
    table->go(baker);

    LabelPrintRequest single = request(LabelRecords::Current);
    single.startFromCurrent = true;
    job->preview(single);
    EXPECT_EQ(previewed, QStringList{"Baker "});
    EXPECT_EQ(finals, QStringList{"\rLabel Preview Ready!"});
    EXPECT_EQ(table->filter(), standing);
    EXPECT_EQ(table->orderTagName(), "LNAME");
    EXPECT_EQ(table->recNo(), baker);

    // The current record outside the filter: told, and the labels start with the first.
    previewed.clear();
    table->setFilter("UPPER(LNAME)<>\"BAKER\" .AND. " + standing);
    LabelPrintRequest filtered = request(LabelRecords::Filtered);
    filtered.startFromCurrent = true;
    job->preview(filtered);
    EXPECT_EQ(shown.texts(), QStringList{outOfRangeMessage()});
    EXPECT_EQ(previewed, QStringList({"Adams ", "Clark "}));
    EXPECT_EQ(table->recNo(), baker);
}

TEST_F(LabelPrintJobTest, PresortOnceThenReuseTheListUntilTheChoiceChanges) {
    table->deleteIndexes();
    for (int i = 0; i < 10; ++i) add({{"LNAME", "Z" + std::to_string(i)}, {"ZIP", "12345"}});
    add({{"LNAME", "No zip"}});
    ASSERT_TRUE(createAddressTags(table));
    table->setOrder("LNAME");
    table->goTop();

    LabelPrintRequest presorted = request(LabelRecords::All);
    presorted.presort = true;
    job->preview(presorted);
    EXPECT_TRUE(job->presortDone());
    ASSERT_EQ(previewed.size(), 11);
    EXPECT_EQ(previewed.front(), "** 5-digit 12345");
    EXPECT_FALSE(previewed.contains("No zip "));
    EXPECT_EQ(shown.texts(), QStringList{presortOrderMessage()});
    EXPECT_EQ(table->orderTagName(), "LNAME");

    // Done: the list is not made again, so without its file nothing prints.
    ASSERT_TRUE(QFile::remove(presortFilePath(folder())));
    previewed.clear();
    job->preview(presorted);
    EXPECT_TRUE(previewed.isEmpty());
    job->clearPresort();
    job->preview(presorted);
    EXPECT_EQ(previewed.size(), 11);
}

// The memo file cut short once the run has begun: the filter reads the memo of every record the
// run visits, so the run meets the engine's error. The cause is told, the job ends cancelled
// with nothing shown or written, and the table is as it was, the presort's ZIP order included.
TEST_F(LabelPrintJobTest, AnEngineErrorInTheRunEndsItCanceledAndRestoresTheTable) {
    table->deleteIndexes();
    for (const char* name : {"Adams", "Baker", "Clark"})
        add({{"LNAME", name}, {"ZIP", "12345"}, {"MEMO", "Met at the fair"}});
    ASSERT_TRUE(createAddressTags(table));
    table->setOrder("LNAME");
    table->commit();
    const std::string memoPath = table->memoPath();
    job->showStatus = [this, memoPath, show = job->showStatus](PrintStatusDialog& status) {
        std::filesystem::resize_file(memoPath,
                                     512);  // the header only: every memo lies past the end
        show(status);
    };
    const QString cause =
        QString::fromStdString(memoPath) + ": memo at block %1 lies past the end of the file";
    const QString pdf = folder() + "labels.pdf";
    const std::string filter = table->filter() + " .AND. .NOT. \"secret\" $ MEMO";
    const std::string kept = memoPath + ".kept";

    const struct {
        bool presort;
        QStringList texts;
        QString final;
    } cases[] = {
        // Printed: the first label is drawn, the next record's memo fails; the file goes.
        {false, {cause.arg(9)}, "\rLabel Print Canceled!"},
        // Previewed presorted: the separator's move to the top of the ZIP order fails.
        {true, {presortOrderMessage(), cause.arg(8)}, "\rLabel Preview Canceled!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.final.toStdString());
        std::filesystem::copy_file(memoPath, kept,
                                   std::filesystem::copy_options::overwrite_existing);
        table->setFilter(filter);
        engine.settings.exact = true;
        const std::uint32_t baker = 2;
        table->go(baker);
        shown.clear();
        finals.clear();

        LabelPrintRequest r = request(LabelRecords::Filtered);
        r.presort = c.presort;
        if (c.presort) {
            job->preview(r);
        } else {
            dialogs.answerPrint({.outputFile = pdf});
            job->printNow(r);
        }
        EXPECT_EQ(shown.texts(), c.texts);
        EXPECT_EQ(finals, QStringList{c.final});
        EXPECT_TRUE(previewed.isEmpty());
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_EQ(table->filter(), filter);
        EXPECT_EQ(table->orderTagName(), "LNAME");
        EXPECT_EQ(table->recNo(), baker);
        EXPECT_TRUE(engine.settings.exact);
        std::filesystem::copy_file(kept, memoPath,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

// A file without the ZIP tag: the presorted run fails as it sets the order, after the records
// were chosen. The error goes on to the dialog's handler; the table is back as it was.
TEST_F(LabelPrintJobTest, AFailureBeforeTheRunStillRestoresTheTable) {
    table->deleteIndexes();
    for (const char* name : {"Adams", "Baker", "Clark"}) add({{"LNAME", name}, {"ZIP", "12345"}});
    table->createTag("LNAME", "UPPER(LNAME)");
    table->setOrder("LNAME");
    const std::string filter = "LNAME <> \"A\"";
    table->setFilter(filter);
    table->go(3);

    LabelPrintRequest r = request(LabelRecords::All);
    r.presort = true;
    EXPECT_THROW(job->preview(r), xbase::Error);
    EXPECT_TRUE(finals.isEmpty());
    EXPECT_EQ(table->filter(), filter);
    EXPECT_EQ(table->orderTagName(), "LNAME");
    EXPECT_EQ(table->recNo(), 3u);
}

TEST_F(LabelPrintJobTest, PaperThatDiffersFromTheSheetIsQuestioned) {
    EXPECT_FALSE(paperDiffers(QSizeF(8.54, 11.04), defaultLabelSetup()));
    // Sideways stock lies in the printer with its depth as the paper's width.
    LabelSetup sideways = defaultLabelSetup();
    sideways.paperSize = "USERL";
    sideways.sheetWidth = 10.004f;
    sideways.sheetDepth = 4.0f;
    ReportPaper turned = ReportPaper::custom(4, 10);
    turned.setLandscape(true);
    EXPECT_EQ(labelPaper(sideways), turned);

    // Letter paper for a stock of A4 size: No ends the run before the status window.
    add({{"LNAME", "Adams"}});
    LabelPrintRequest a4 = request(LabelRecords::All);
    a4.setup.sheetWidth = 8.27f;
    a4.setup.sheetDepth = 11.69f;
    shown.answer(false);
    job->preview(a4);
    EXPECT_EQ(
        shown.texts(),
        QStringList{"Ravenpost was unable to confirm that the paper size was set to\r\n\r\n"
                    "8.27\" by 11.69\"\r\n\r\n(you may have the wrong printer selected)\r\n\r\n"
                    "Would you like to try printing anyways?"});
    EXPECT_TRUE(finals.isEmpty());
    EXPECT_TRUE(previewed.isEmpty());
}

TEST_F(LabelPrintJobTest, PrintsToThePdfPrinter) {
    add({{"LNAME", "Public"},
         {"FNAME", "Jane"},
         {"STREET", "123 Main St"},
         {"CITY", "Springfield"},
         {"STATE", "IL"},
         {"ZIP", "12345-6789"}});
    add({{"LNAME", "Adams"},
         {"FNAME", "Pat"},
         {"STREET", "9 Elm Rd"},
         {"CITY", "Reno"},
         {"STATE", "NV"},
         {"ZIP", "89501"}});
    table->goTop();
    LabelPrintRequest r = request(LabelRecords::All);
    r.setup.contents.zip = true;
    r.setup.barcode = true;
    r.copies = 2;
    // "labels.pdf" in the folder of the last PDF, which is remembered again.
    const QString outputFolder = QString::fromStdString(dir.path());
    QString lastFolder = outputFolder;
    catalog.setPdfFolderMemory(
        {[&] { return lastFolder; }, [&](const QString& folder) { lastFolder = folder + "*"; }});
    const QString pdf = folder() + "labels.pdf";
    dialogs.answerPrint({});
    job->printNow(r);
    EXPECT_EQ(finals, QStringList{"\rLabel Print Completed!"});
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(dialogs.shown().back().outputFile, pdf);
    EXPECT_EQ(lastFolder, QDir::toNativeSeparators(outputFolder) + "*");

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    const QString prefix = folder() + "page";
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-png", "-r", "50", "-singlefile", pdf, prefix}), 0);
    const QImage page(prefix + ".png");
    ASSERT_EQ(page.size(), QSize(425, 550));
    // Ink where the first label's barcode and name stand, none below the second row.
    auto inked = [&page](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(page.pixel(x, y)) < 128) return true;
        return false;
    };
    EXPECT_TRUE(inked(QRect(22, 29, 60, 7)));    // bars, 0.585 to 0.71 inch down
    EXPECT_TRUE(inked(QRect(22, 37, 60, 10)));   // the name line
    EXPECT_TRUE(inked(QRect(160, 37, 60, 10)));  // its copy on the second label
    EXPECT_FALSE(inked(QRect(0, 140, 425, 400)));
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

// With the Intelligent Mail barcode chosen in RAVENP.INI, every label of a completed print
// takes the next serial and the next one is stored; a preview or a cancelled print takes none.
TEST_F(LabelPrintJobTest, OnlyCompletedPrintsUseIntelligentMailSerials) {
    IniFile ini(folder() + "RAVENP.INI");
    savePostalBarcode(ini, {BarcodeSymbology::IntelligentMail, {"00", "700", "123456", 5000}});
    for (int i = 0; i < 30; ++i)
        add({{"LNAME", "Reader" + std::to_string(i)}, {"STREET", "9 Elm Rd"}, {"ZIP", "89501"}});
    table->goTop();
    LabelPrintRequest r = request(LabelRecords::All);
    r.setup.contents.zip = true;
    r.setup.barcode = true;
    dialogs.answerPrint({});
    job->printNow(r);
    dialogs.answerPrint({});
    job->printNow(r);
    EXPECT_EQ(ini.readString("PostalBarcode", "NextSerial"), "5060");

    job->preview(r);
    EXPECT_FALSE(previewed.isEmpty());
    EXPECT_EQ(ini.readString("PostalBarcode", "NextSerial"), "5060");

    // "Cancel Label Printing?" answered Yes while the first labels print.
    shown.answer(true);
    const auto show = job->showStatus;
    job->showStatus = [show](PrintStatusDialog& status) {
        // Once the run has started: its first record lets the click through.
        QPushButton* button = status.button();
        QTimer::singleShot(0, button,
                           [button] { QTimer::singleShot(0, button, &QPushButton::click); });
        show(status);
    };
    dialogs.answerPrint({});
    job->printNow(r);
    EXPECT_EQ(finals.back(), "\rLabel Print Canceled!");
    EXPECT_EQ(ini.readString("PostalBarcode", "NextSerial"), "5060");
}

}  // namespace
}  // namespace rp
