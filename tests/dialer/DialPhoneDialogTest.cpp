// The "Dial Phone Number" dialog offscreen, dialling a pseudo-terminal that stands in for the
// modem behind "COM 2": its boxes, the settings read when first shown and written on every
// Dial, the help buttons hidden after Dial, and Cancel.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "data/IniFile.h"
#include "dialer/DialPhoneDialog.h"
#include "dialer/ModemPty.h"
#include "framework/UnstoredSettings.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

class DialPhoneDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(modem.ok()); }

    // COM 2 is the pseudo-terminal; every other port is a path that does not exist.
    std::unique_ptr<DialPhoneDialog> makeDialog(const QString& number) {
        auto dialog = std::make_unique<DialPhoneDialog>(
            iniPath(), number, nullptr, modemPorts({"/dev/ttyUSB0"}), [this](const QString& port) {
                return port == "/dev/ttyS1" ? modem.device() : dir.filePath("none");
            });
        dialog->show();
        return dialog;
    }
    QString iniPath() const { return dir.filePath("RAVENP.INI"); }
    IniFile ini() const { return IniFile(iniPath()); }

    QTemporaryDir dir;
    ModemPty modem;
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

TEST_F(DialPhoneDialogTest, BoxesAndTheSettingsReadWhenShown) {
    ini().writeString("Dialing", "Prefix", "9,");
    ini().writeString("Dialing", "Init", "AT&F");
    ini().writeInteger("Dialing", "Port", 1);
    ini().writeInteger("Dialing", "Method", 1);
    DialPhoneDialog dialog(iniPath(), "(555) 010-0100", nullptr, modemPorts({"/dev/ttyUSB0"}));
    EXPECT_EQ(dialog.windowTitle(), "Dial Phone Number");
    EXPECT_EQ(dialog.helpTopic(), 1018);
    EXPECT_EQ(dialog.prefixEdit()->text(), "");  // not read before the dialog is shown
    dialog.show();

    EXPECT_EQ(dialog.numberEdit()->text(), "(555) 010-0100");
    EXPECT_EQ(dialog.prefixEdit()->text(), "9,");
    EXPECT_EQ(dialog.initEdit()->text(), "AT&F");
    EXPECT_FALSE(dialog.initEdit()->isVisible());
    EXPECT_TRUE(dialog.prefixEdit()->isVisible());
    QStringList ports;
    for (int i = 0; i < dialog.portBox()->count(); ++i) ports << dialog.portBox()->itemText(i);
    EXPECT_EQ(ports, (QStringList{"COM 1", "COM 2", "COM 3", "COM 4", "/dev/ttyUSB0"}));
    EXPECT_EQ(dialog.portBox()->currentText(), "COM 2");
    EXPECT_TRUE(dialog.pulseButton()->isChecked());
    EXPECT_FALSE(dialog.toneButton()->isChecked());
    EXPECT_TRUE(dialog.helpButton()->isVisible());
    EXPECT_TRUE(dialog.pointerHelpButton()->isVisible());
    EXPECT_TRUE(dialog.dialButton()->isDefault());
}

TEST_F(DialPhoneDialogTest, AStoredPortNotPluggedInStaysChosen) {
    ini().writeString("Dialing", "Port", "/dev/ttyACM3");
    auto dialog = makeDialog("555");
    EXPECT_EQ(dialog->portBox()->currentText(), "/dev/ttyACM3");
    EXPECT_EQ(dialog->chosenSettings().port, "/dev/ttyACM3");
}

TEST_F(DialPhoneDialogTest, DialSendsPrefixAndNumberAndStaysOpen) {
    auto dialog = makeDialog("555-0100");
    dialog->prefixEdit()->setText("1-800-");
    dialog->portBox()->setCurrentIndex(1);
    dialog->dialButton()->click();

    EXPECT_EQ(modem.received(), QByteArray("ATDT1-800-555-0100\r\nATH\r\n"));
    EXPECT_EQ(shown.texts(), QStringList{"Pick up phone"});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->helpButton()->isVisible());
    EXPECT_FALSE(dialog->pointerHelpButton()->isVisible());
    EXPECT_EQ(ini().readString("Dialing", "Prefix"), "1-800-");
    EXPECT_EQ(ini().readString("Dialing", "Port"), "1");
    EXPECT_EQ(ini().readString("Dialing", "Method"), "0");

    // Again, with pulse.
    dialog->pulseButton()->setChecked(true);
    dialog->dialButton()->click();
    EXPECT_EQ(modem.received(), QByteArray("ATDP1-800-555-0100\r\nATH\r\n"));
    EXPECT_EQ(ini().readString("Dialing", "Method"), "1");
}

TEST_F(DialPhoneDialogTest, TheInitializationStringIsKeptButNeverSent) {
    ini().writeString("Dialing", "Init", "ATZ");
    ini().writeInteger("Dialing", "Port", 1);
    auto dialog = makeDialog("");
    dialog->dialButton()->click();
    EXPECT_EQ(modem.received(), QByteArray("ATDT\r\nATH\r\n"));
    EXPECT_EQ(ini().readString("Dialing", "Init"), "ATZ");
}

TEST_F(DialPhoneDialogTest, SettingsAreSavedWhenThePortCannotBeOpened) {
    auto dialog = makeDialog("555");
    dialog->prefixEdit()->setText("9");
    dialog->portBox()->setCurrentIndex(4);  // the USB modem, missing here
    dialog->dialButton()->click();
    EXPECT_EQ(shown.texts(), QStringList{"Unable to open " + dir.filePath("none")});
    EXPECT_EQ(ini().readString("Dialing", "Port"), "/dev/ttyUSB0");
    EXPECT_EQ(ini().readString("Dialing", "Prefix"), "9");
    EXPECT_EQ(modem.received(), QByteArray());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(DialPhoneDialogTest, SettingsAreSavedWhenTheNumberIsRefused) {
    auto dialog = makeDialog("555\r\nATH");
    dialog->portBox()->setCurrentIndex(1);
    dialog->pulseButton()->setChecked(true);
    dialog->dialButton()->click();
    EXPECT_EQ(shown.texts(), QStringList{"The number to dial cannot contain control characters."});
    EXPECT_EQ(ini().readString("Dialing", "Method"), "1");
    EXPECT_EQ(modem.received(), QByteArray());
}

// RAVENP.INI is a folder here, which root cannot write as a file either: the call goes on, and
// the settings not kept are told at the first Dial only.
TEST_F(DialPhoneDialogTest, SettingsThatCannotBeKeptAreToldOnceAndTheCallGoesOn) {
    ASSERT_TRUE(QDir().mkpath(iniPath()));
    UnstoredSettingsRun run;
    auto dialog = makeDialog("555-0100");
    dialog->portBox()->setCurrentIndex(1);
    dialog->dialButton()->click();
    dialog->dialButton()->click();
    EXPECT_EQ(modem.received(), QByteArray("ATDT555-0100\r\nATH\r\nATDT555-0100\r\nATH\r\n"));
    EXPECT_EQ(shown.texts(),
              QStringList({"Your settings cannot be saved in " + iniPath() +
                               ", so printer choices, recent files and other settings you change "
                               "will not be remembered.\r\nThe file " +
                               iniPath() + " cannot be written: it cannot be read",
                           "Pick up phone", "Pick up phone"}));
}

TEST_F(DialPhoneDialogTest, CancelWritesNothing) {
    auto dialog = makeDialog("555");
    dialog->prefixEdit()->setText("9");
    dialog->portBox()->setCurrentIndex(1);
    dialog->cancelButton()->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_EQ(modem.received(), QByteArray());
    EXPECT_TRUE(shown.texts().isEmpty());
}

}  // namespace
}  // namespace rp
