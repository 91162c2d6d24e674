// The "En&velopes" command with the Print Envelope dialog registered by the main window: the
// printer memory goes to RAVENP.INI in the program folder and comes back from it.
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QTimer>
#include <functional>

#include "MainWindowFixture.h"
#include "envelopes/PrintEnvelopeDialog.h"
#include "framework/PrinterCatalog.h"
#include "support/ScriptedPrintDialogs.h"

namespace rp {
namespace {

class EnvelopesCommandTest : public MainWindowTest {
  protected:
    void SetUp() override {
        for (const char* name : {"RVPESU.DBF", "RVPESU.CDX"}) {
            const QString target = path(name);
            ASSERT_TRUE(
                QFile::copy(QDir(QStringLiteral(RAVENPOST_SIDEFILE_DIR)).filePath(name), target));
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
        start();
        main->printerCatalog().select(PrinterCatalog::pdfPrinterName());
    }

    // Runs the command; while its dialog is open, act on it, then close it.
    void runDialog(const std::function<void(PrintEnvelopeDialog&)>& act) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<PrintEnvelopeDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            seen = true;
            act(*dialog);
            dialog->reject();
        });
        main->runCommand(Command::Envelopes);
        EXPECT_TRUE(seen);
    }

    ScriptedPrintDialogs dialogs;
    PrintDialogsScope dialogsScope{dialogs};
};

TEST_F(EnvelopesCommandTest, PrinterMemoryRoundTripsThroughTheIniFile) {
    dialogs.answerPrint({false});
    runDialog([](PrintEnvelopeDialog& dialog) { dialog.printNowButton()->click(); });
    const QString setup = QStringLiteral("#10 business envelope");
    EXPECT_EQ(ini().readString("EnvelopeByName", "PRINTER" + setup), "PDF file");
    EXPECT_EQ(ini().readString("EnvelopeByName", "ORIENT" + setup), "0");
    EXPECT_EQ(ini().readString("EnvelopeBySize", "PRINTEREnvelope #10"), "PDF file");
    const QString paper = ini().readString("EnvelopeBySize", "PAPEREnvelope #10");
    EXPECT_FALSE(paper.isEmpty());

    // The next run selects what the file holds: a landscape envelope paper.
    const QString envelope10 = QPageSize(QPageSize::Comm10E).name();
    ini().writeString("EnvelopeByName", "PAPER" + setup, envelope10);
    ini().writeString("EnvelopeByName", "ORIENT" + setup, "1");
    runDialog([&](PrintEnvelopeDialog& dialog) {
        EXPECT_EQ(dialog.paperLine()->text(), "Paper: " + envelope10);
        const QPageLayout layout = main->printerCatalog().printer().pageLayout();
        EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
        EXPECT_EQ(layout.pageSize().id(), QPageSize::Comm10E);
    });
}

}  // namespace
}  // namespace rp
