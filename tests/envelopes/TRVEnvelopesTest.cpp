// The Print Envelope dialog offscreen on the delivered setup file and an address file of one
// record: its first look, a preview, a cancelled print dialog that still stores the printer
// memory, and a print to the "PDF file" printer rendered to check where the address landed.
#include "EnvelopeFixture.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <map>

#include "data/AddressFile.h"
#include "envelopes/TRVEnvelopes.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "framework/ScriptedFileChooser.h"
#include "framework/ScriptedPrintDialogs.h"

namespace rp {
namespace {

// Closes the print status window once its run has ended, keeping its final status.
class StatusCloser {
public:
    StatusCloser()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* status = qobject_cast<TPrintStatus*>(QApplication::activeModalWidget());
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

class TRVEnvelopesTest : public EnvelopeFixture {
protected:
    void SetUp() override
    {
        EnvelopeFixture::SetUp();
        ASSERT_TRUE(CreateAddressFile(folder() + "ADDRESS.DBF", addresses));
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

    PreferenceAccess access()
    {
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
    ScriptedFileChooser files;
    FileChooserScope filesScope{files};
};

TEST_F(TRVEnvelopesTest, PreviewsAndPrintsTheCurrentRecordAndRemembersThePrinter)
{
    auto setups = open("RVPESU.DBF");
    TRVEnvelopes dialog(*setups, addresses.table(), catalog, access());
    QStringList captions;
    QSizeF previewPage;
    dialog.preview = [&](const RecordedPages& pages, const QString& caption) {
        captions << caption;
        previewPage = pages.pageSize();
    };
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
    EXPECT_TRUE(prefs.empty());  // a preview stores nothing

    // A cancelled print dialog prints nothing but stores the printer memory.
    dialogs.answerPrint({false});
    QTest::mouseClick(dialog.printNowButton(), Qt::LeftButton);
    EXPECT_TRUE(files.requests().empty());
    EXPECT_EQ(prefs["EnvelopeByName/PRINTER#10 business envelope"], "PDF file");
    EXPECT_EQ(prefs["EnvelopeByName/PAPER#10 business envelope"], "Letter / ANSI A");
    EXPECT_EQ(prefs["EnvelopeByName/ORIENT#10 business envelope"], "0");
    EXPECT_EQ(prefs["EnvelopeBySize/PRINTEREnvelope #10"], "PDF file");
    EXPECT_EQ(prefs.size(), 7u);

    QTemporaryDir output;
    const QString pdf = output.filePath("envelope.pdf");
    dialogs.answerPrint({});
    files.answer(pdf);
    QTest::mouseClick(dialog.printNowButton(), Qt::LeftButton);
    EXPECT_EQ(closer.finals, (QStringList{"\rEnvelope Preview Ready!", "\rEnvelope Print Completed!"}));
    ASSERT_TRUE(QFile::exists(pdf));

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
    const QString prefix = output.filePath("page");
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-png", "-r", "50", "-singlefile", pdf, prefix}), 0);
    const QImage page(prefix + ".png");
    ASSERT_EQ(page.size(), QSize(550, 425));  // Letter in landscape
    // Face down, centred: the block starts at (3.167 + 1.5, 2.063 + 2.1875) inches, the
    // barcode 0.165 inch above it; the top left corner (no return address) stays white.
    const auto darkIn = [&page](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(page.pixel(x, y)) < 128) return true;
        return false;
    };
    EXPECT_TRUE(darkIn(QRect(233, 213, 60, 8)));   // the name line
    EXPECT_TRUE(darkIn(QRect(233, 205, 60, 6)));   // the bars
    EXPECT_FALSE(darkIn(QRect(225, 150, 300, 50)));  // above the bars
    EXPECT_FALSE(darkIn(QRect(0, 0, 200, 100)));
}

}  // namespace
}  // namespace rp
