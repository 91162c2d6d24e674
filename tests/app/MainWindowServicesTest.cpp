// The main window's prompts, dialogs, dialer and printers: the program's own boxes and dialogs
// open over the window for those a caller leaves empty, and the window uses the ones it is given.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include "MainWindowFixture.h"
#include "dialer/DialPhoneDialog.h"
#include "framework/PrinterCatalog.h"

namespace rp {
namespace {

// The program's own services over an open address file in a folder of the test's own.
class DefaultServicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ScriptedMessages quiet;
        MessagesScope scope(quiet);
        ASSERT_TRUE(createAddressFile(QString::fromStdString(dir.file("LIST.DBF")), table));
        fillDefaultServices(services, &window, table, QString::fromStdString(dir.path()) + "/",
                            catalog);
    }

    // Runs call and notes the title of the window it shows modally over the main window, then
    // closes that window as Esc would.
    QString titleShownBy(const std::function<void()>& call) {
        QString title;
        QTimer::singleShot(0, [this, &title] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            if (dialog->parentWidget() == &window) title = dialog->windowTitle();
            dialog->reject();
        });
        call();
        return title;
    }

    TempDir dir;
    QWidget window;
    xbase::Engine engine;
    AddressTable table{engine};
    PrinterCatalog catalog{{}, {}};
    MainWindowServices services;
};

TEST_F(DefaultServicesTest, ThePromptsAreTheProgramsOwnBoxesAndEscGivesNothing) {
    std::optional<NewRecordValues> values = NewRecordValues{};
    EXPECT_EQ(titleShownBy([&] { values = services.newRecordPrompt(true, true); }), "New Record");
    EXPECT_FALSE(values);
    std::optional<QString> text = QString("x");
    EXPECT_EQ(titleShownBy([&] { text = services.searchPrompt("Last Name", ""); }), "Search");
    EXPECT_FALSE(text);
    text = QString("x");
    EXPECT_EQ(titleShownBy([&] { text = services.memoSearchPrompt("book"); }), "Memo Search");
    EXPECT_FALSE(text);
}

TEST_F(DefaultServicesTest, TheDialogsAreTheProgramsOwnOverTheWindow) {
    EXPECT_EQ(titleShownBy([&] { services.preferencesDialog(); }), "Preferences");
    EXPECT_EQ(titleShownBy([&] { services.rebuildIndexesDialog(); }),
              "Rebuild indexes for LIST.DBF");
    EXPECT_EQ(titleShownBy([&] { services.phoneDialer("555-0100"); }), "Dial Phone Number");
    // Esc wrote nothing.
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.file("RAVENP.INI"))));
    EXPECT_EQ(services.printers, &catalog);
}

class MainServicesTest : public MainWindowTest {
  protected:
    void SetUp() override {
        makeFile("LIST.DBF", {{"Brown", "Ann", "Boston", "MA", "02101"}});
        ini().writeString("MRU", "Item1", path("LIST.DBF"));
    }
};

TEST_F(MainServicesTest, DialIsEnabledWithADialerAndDialsTheShownNumber) {
    QStringList dialed;
    services.phoneDialer = [&dialed](const QString& phone) { dialed << phone; };
    MainWindow& w = start();
    EXPECT_EQ(w.services().printers, &w.printerCatalog());
    QPushButton* dial = w.recordPage()->dialButton;
    ASSERT_TRUE(dial->isEnabled());
    type("PHONE", "555-0100");
    dial->click();
    EXPECT_EQ(dialed, QStringList{"555-0100"});

    // The program's own dialer replaces an empty one.
    w.setServices({});
    EXPECT_TRUE(dial->isEnabled());
    EXPECT_EQ(dialed.size(), 1);
}

TEST_F(MainServicesTest, DialOpensTheDialPhoneNumberDialogOverTheWindow) {
    ini().writeString("Dialing", "Prefix", "9,");
    ini().writeInteger("Dialing", "Method", 1);
    MainWindow& w = start();
    type("PHONE", "(555) 010-0100");
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<DialPhoneDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        seen = true;
        EXPECT_EQ(dialog->parentWidget(), &w);
        EXPECT_EQ(dialog->numberEdit()->text(), "(555) 010-0100");
        EXPECT_EQ(dialog->prefixEdit()->text(), "9,");
        EXPECT_TRUE(dialog->pulseButton()->isChecked());
        dialog->cancelButton()->click();
    });
    w.recordPage()->dialButton->click();
    EXPECT_TRUE(seen);
    // Cancel wrote nothing.
    EXPECT_EQ(ini().readString("Dialing", "Port", "none"), "none");
}

}  // namespace
}  // namespace rp
