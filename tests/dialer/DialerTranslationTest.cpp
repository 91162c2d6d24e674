// The Dial Phone Number window and the call's messages through a translation that brackets
// every text: whatever a user reads comes out marked, with the device in its place.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dialer/DialPhoneDialog.h"
#include "dialer/ModemPty.h"
#include "dialer/PhoneCall.h"
#include "support/MarkingTranslator.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

class DialerTranslationTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    ScriptedMessages shown;
    MessagesScope scope{shown};
    MarkingTranslator marking;
};

TEST_F(DialerTranslationTest, TheDialWindowShowsOnlyTranslatedTexts) {
    DialPhoneDialog dialog(dir.filePath(QStringLiteral("RAVENP.INI")), QStringLiteral("555-0100"));
    EXPECT_EQ(untranslatedTexts(dialog), QStringList());
}

TEST_F(DialerTranslationTest, TheCallsMessagesAreTranslated) {
    ModemPty modem;
    ASSERT_TRUE(modem.ok());
    const QString missing = dir.filePath(QStringLiteral("ttyS9"));
    dialNumber(QStringLiteral("555\r0100"), modem.device(), DialMethod::Tone,
               QStringLiteral("Dial"));
    dialNumber(QStringLiteral("555-0100"), missing, DialMethod::Tone, QStringLiteral("Dial"));
    dialNumber(QStringLiteral("555-0100"), modem.device(), DialMethod::Tone,
               QStringLiteral("Dial"));
    EXPECT_EQ(shown.texts(), (QStringList{"[The number to dial cannot contain control characters.]",
                                          "[Unable to open " + missing + "]", "[Pick up phone]"}));
}

}  // namespace
}  // namespace rp
