// The Print Envelope dialog offscreen on the delivered setup file and an address file of one
// record: its first look, a preview, a cancelled print dialog that still stores the printer
// memory, and prints to the "PDF file" printer rendered to check where the address landed, on
// the paper remembered and on the envelope itself when none is.
#include "EnvelopeFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <map>
#include <variant>
#include <vector>

#include "data/AddressFile.h"
#include "envelopes/PrintEnvelopeDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "framework/UnstoredSettings.h"
#include "support/ScriptedPrintDialogs.h"

namespace rp {
namespace {

// Closes the print status window once its run has ended, keeping its final status.
class StatusCloser {
  public:
    StatusCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* status = qobject_cast<PrintStatusDialog*>(QApplication::activeModalWidget());
            if (!status || status->outcome() == PrintOutcome::Pending) return;
            finals << status->statusText();
            status->button()->click();
        });
        timer_.start(1);
    }
    QStringList finals;

  private:
    QTimer timer_;
};

class PrintEnvelopeDialogTest : public EnvelopeFixture {
  protected:
    void SetUp() override {
        EnvelopeFixture::SetUp();
        ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
        addresses->appendBlank();
        addresses->setText("FNAME", "Jane");
        addresses->setText("LNAME", "Public");
        addresses->setText("STREET", "123 MAIN ST");
        addresses->setText("CITY", "Springfield");
        addresses->setText("STATE", "IL");
        addresses->setText("ZIP", "62701-1234");
        addresses->post();
        catalog.printer().setPageSize(QPageSize(QPageSize::Letter));
    }

    PreferenceAccess access() {
        return {[this](const QString& section, const QString& key) {
                    const auto found = prefs.find(section + "/" + key);
                    return found == prefs.end() ? QString() : found->second;
                },
                [this](const QString& section, const QString& key, const QString& value) {
                    prefs[section + "/" + key] = value;
                }};
    }

    AddressTable addresses{engine};
    PrinterCatalog catalog{{}, QString()};
    std::map<QString, QString> prefs;
    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
    QTemporaryDir output;
};

// Whether any pixel of the area is dark.
bool darkIn(const QImage& page, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(page.pixel(x, y)) < 128) return true;
    return false;
}

// The PDF's first page rendered at 50 dots per inch; null when pdftoppm is missing.
QImage rendered(const QString& pdf) {
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) return {};
    const QString prefix = QFileInfo(pdf).dir().filePath("page");
    if (QProcess::execute(pdftoppm, {"-png", "-r", "50", "-singlefile", pdf, prefix}) != 0)
        return {};
    return QImage(prefix + ".png");
}

TEST_F(PrintEnvelopeDialogTest, PreviewsAndPrintsTheCurrentRecordAndRemembersThePrinter) {
    auto setups = open("RVPESU.DBF");
    PrintEnvelopeDialog dialog(*setups, addresses.table(), catalog, access());
    QStringList captions;
    QSizeF previewPage;
    dialog.preview = [&](const RecordedPages& pages, const QString& caption) {
        captions << caption;
        previewPage = pages.pageSize();
    };
    prefs["EnvelopeBySize/PAPEREnvelope #10"] = "Letter / ANSI A";
    catalog.setPdfFolderMemory({[this] { return output.path(); }, {}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Print Envelope");
    EXPECT_EQ(dialog.helpTopic(), 1035);
    EXPECT_EQ(dialog.grid()->model()->index(0, 0).data().toString(), "#10 business envelope");
    EXPECT_EQ(dialog.grid()->model()->index(0, 1).data().toString(), "Envelope #10");
    EXPECT_EQ(dialog.printerLine()->text(), "Printer: PDF file");
    EXPECT_EQ(dialog.paperLine()->text(), "Paper: Letter / ANSI A");
    // Without a designer there is nothing to modify or create with.
    EXPECT_FALSE(dialog.modifyButton()->isEnabled());
    EXPECT_FALSE(dialog.newButton()->isEnabled());
    EXPECT_TRUE(dialog.deleteButton()->isEnabled());
    EXPECT_TRUE(dialog.printNowButton()->isEnabled());
    EXPECT_TRUE(dialog.previewButton()->isEnabled());

    StatusCloser closer;
    QTest::mouseClick(dialog.previewButton(), Qt::LeftButton);
    EXPECT_EQ(captions, QStringList{"Preview Envelope"});
    EXPECT_EQ(previewPage, QSizeF(11, 8.5));
    EXPECT_EQ(prefs.size(), 1u);  // a preview stores nothing

    // A cancelled print dialog prints nothing but stores the printer memory.
    dialogs.answerPrint({false});
    QTest::mouseClick(dialog.printNowButton(), Qt::LeftButton);
    EXPECT_EQ(prefs["EnvelopeByName/PRINTER#10 business envelope"], "PDF file");
    EXPECT_EQ(prefs["EnvelopeByName/PAPER#10 business envelope"], "Letter / ANSI A");
    EXPECT_EQ(prefs["EnvelopeByName/ORIENT#10 business envelope"], "0");
    EXPECT_EQ(prefs["EnvelopeBySize/PRINTEREnvelope #10"], "PDF file");
    EXPECT_EQ(prefs.size(), 7u);

    const QString pdf = output.filePath("envelope.pdf");
    dialogs.answerPrint({});
    QTest::mouseClick(dialog.printNowButton(), Qt::LeftButton);
    EXPECT_EQ(closer.finals,
              (QStringList{"\rEnvelope Preview Ready!", "\rEnvelope Print Completed!"}));
    EXPECT_EQ(dialogs.shown().back().outputFile, pdf);
    ASSERT_TRUE(QFile::exists(pdf));

    const QImage page = rendered(pdf);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
    ASSERT_EQ(page.size(), QSize(550, 425));  // Letter in landscape
    // Face down, centred: the block starts at (3.167 + 1.5, 2.063 + 2.1875) inches, the
    // barcode 0.165 inch above it; the top left corner (no return address) stays white.
    EXPECT_TRUE(darkIn(page, QRect(233, 213, 60, 8)));     // the name line
    EXPECT_TRUE(darkIn(page, QRect(233, 205, 60, 6)));     // the bars
    EXPECT_FALSE(darkIn(page, QRect(225, 150, 300, 50)));  // above the bars
    EXPECT_FALSE(darkIn(page, QRect(0, 0, 200, 100)));
}

// A preferences file that cannot be written (its folder is a plain file, which stops root as
// well): both prints are done, and the printer memory they could not store is told once.
TEST_F(PrintEnvelopeDialogTest, PrinterMemoryThatCannotBeStoredIsToldOnceAndThePrintsAreDone) {
    QFile plain(path("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString ini = path("plain/RAVENP.INI");
    UnstoredSettingsRun run;
    auto setups = open("RVPESU.DBF");
    PrintEnvelopeDialog dialog(*setups, addresses.table(), catalog, iniPreferenceAccess(ini));
    catalog.setPdfFolderMemory({[this] { return output.path(); }, {}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    StatusCloser closer;
    for (int i = 0; i < 2; ++i) {
        dialogs.answerPrint({});
        QTest::mouseClick(dialog.printNowButton(), Qt::LeftButton);
    }
    EXPECT_EQ(closer.finals,
              (QStringList{"\rEnvelope Print Completed!", "\rEnvelope Print Completed!"}));
    EXPECT_TRUE(QFile::exists(output.filePath("envelope.pdf")));
    EXPECT_EQ(messages.texts(),
              QStringList({"Your settings cannot be saved in " + ini +
                           ", so printer choices, recent files and other settings you change "
                           "will not be remembered.\r\nThe file " +
                           ini + " cannot be written: Not a directory"}));
}

// With no paper remembered for the setup or its envelope, "PDF file" prints on the envelope
// itself (9.5 by 4.125 inches as it lies landscape): no feed offset, no stamp in the preview,
// everything where the setup puts it on the envelope.
TEST_F(PrintEnvelopeDialogTest, OnThePdfPrinterWithoutARememberedPaperThePageIsTheEnvelope) {
    auto setups = open("RVPESU.DBF");
    PrintEnvelopeDialog dialog(*setups, addresses.table(), catalog, access());
    QSizeF previewPage;
    std::vector<ReportOp> drawn;
    dialog.preview = [&](const RecordedPages& pages, const QString&) {
        previewPage = pages.pageSize();
        drawn = pages.page(0);
    };
    catalog.setPdfFolderMemory({[this] { return output.path(); }, {}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.paperLine()->text(), "Paper: Envelope US 10");

    StatusCloser closer;
    QTest::mouseClick(dialog.previewButton(), Qt::LeftButton);
    EXPECT_EQ(previewPage, QSizeF(9.5, 4.125));
    const TextRun* name = nullptr;
    double barsTop = 99;
    for (const ReportOp& op : drawn) {
        EXPECT_FALSE(std::holds_alternative<ImageOp>(op));  // no stamp
        if (const auto* run = std::get_if<TextRun>(&op); run && run->text == "Jane Public ")
            name = run;
        if (const auto* fill = std::get_if<FillOp>(&op))
            for (const QRectF& bar : fill->rects) barsTop = std::min(barsTop, bar.top());
    }
    ASSERT_NE(name, nullptr);
    EXPECT_NEAR(name->x, 3.167, 1e-4);
    EXPECT_NEAR(name->box.top(), 2.063, 1e-4);
    EXPECT_NEAR(barsTop, 2.063 - 0.165, 1e-4);

    const QString pdf = output.filePath("envelope.pdf");
    dialogs.answerPrint({});
    QTest::mouseClick(dialog.printNowButton(), Qt::LeftButton);
    EXPECT_EQ(closer.finals,
              (QStringList{"\rEnvelope Preview Ready!", "\rEnvelope Print Completed!"}));
    EXPECT_EQ(prefs["EnvelopeBySize/PAPEREnvelope #10"], "Envelope US 10");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // 9.5 by 4.125 inches are 684 by 297 points.
    static const QRegularExpression mediaBox(
        QStringLiteral("/MediaBox \\[0 0 684(\\.0*)? 297(\\.0*)?\\]"));
    EXPECT_TRUE(QString::fromLatin1(file.readAll()).contains(mediaBox));

    const QImage page = rendered(pdf);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
    ASSERT_EQ(page.size(), QSize(475, 207));
    // The block at (3.167, 2.063) inches, the bars 0.165 inch above it, nothing to their left.
    EXPECT_TRUE(darkIn(page, QRect(158, 104, 60, 8)));    // the name line
    EXPECT_TRUE(darkIn(page, QRect(158, 95, 60, 6)));     // the bars
    EXPECT_FALSE(darkIn(page, QRect(158, 80, 200, 12)));  // above the bars
    EXPECT_FALSE(darkIn(page, QRect(0, 0, 150, 207)));
}

// A setup whose delivery address lies off its envelope is refused before the printer is
// asked for: no print dialog, no status window, no preview, no file.
TEST_F(PrintEnvelopeDialogTest, ASetupWithTheAddressOffTheEnvelopeIsRefusedBeforePrinting) {
    auto setups = open("RVPESU.DBF");
    EnvelopeSetup setup = readEnvelopeSetup(*setups);
    setup.delLeft = -1.938f;
    writeEnvelopeSetup(*setups, setup);
    PrintEnvelopeDialog dialog(*setups, addresses.table(), catalog, access());
    int previews = 0;
    dialog.preview = [&](const RecordedPages&, const QString&) { ++previews; };
    catalog.setPdfFolderMemory({[this] { return output.path(); }, {}});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    StatusCloser closer;
    QTest::mouseClick(dialog.previewButton(), Qt::LeftButton);
    QTest::mouseClick(dialog.printNowButton(), Qt::LeftButton);
    const QString refusal =
        "The envelope setup \"#10 business envelope\" places the delivery address off the "
        "envelope. Open it in the Envelope Designer and move the address onto the envelope.";
    ASSERT_EQ(messages.shown().size(), 2u);
    for (const ScriptedMessages::Shown& shown : messages.shown()) {
        EXPECT_EQ(shown.kind, "error");
        EXPECT_EQ(shown.text, refusal);
    }
    EXPECT_EQ(previews, 0);
    EXPECT_TRUE(closer.finals.isEmpty());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(QDir(output.path()).isEmpty());
}

}  // namespace
}  // namespace rp
