// The main window's prompts, dialogs, dialer and printers: the program's own stand in for
// those a caller leaves empty, and the window uses the ones it is given.
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>

#include "MainWindowFixture.h"
#include "dialer/DialPhoneDialog.h"
#include "framework/PrinterCatalog.h"

namespace rp {
namespace {

TEST(MainWindowServices, EmptyOnesGetTheProgramsOwn) {
    QWidget window;
    xbase::Engine engine;
    AddressTable table(engine);
    PrinterCatalog catalog({}, {});
    MainWindowServices services;
    fillDefaultServices(services, &window, table, "/tmp/", catalog);
    EXPECT_TRUE(services.newRecordPrompt);
    EXPECT_TRUE(services.searchPrompt);
    EXPECT_TRUE(services.memoSearchPrompt);
    EXPECT_TRUE(services.preferencesDialog);
    EXPECT_TRUE(services.rebuildIndexesDialog);
    EXPECT_TRUE(services.phoneDialer);
    EXPECT_EQ(services.printers, &catalog);
}

TEST(MainWindowServices, GivenOnesAreKept) {
    QWidget window;
    xbase::Engine engine;
    AddressTable table(engine);
    PrinterCatalog catalog({}, {});
    PrinterCatalog other({"Office"}, "Office");
    int preferences = 0;
    MainWindowServices services;
    services.searchPrompt = [](const QString& caption, const QString&) {
        return std::optional<QString>(caption + "?");
    };
    services.preferencesDialog = [&preferences] { ++preferences; };
    services.printers = &other;
    fillDefaultServices(services, &window, table, "/tmp/", catalog);
    EXPECT_EQ(services.searchPrompt("City", ""), std::optional<QString>("City?"));
    services.preferencesDialog();
    EXPECT_EQ(preferences, 1);
    EXPECT_EQ(services.printers, &other);
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
