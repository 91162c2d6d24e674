// One dial against a pseudo-terminal standing in for the modem: the exact bytes for tone and
// pulse, a refused number, a port that cannot be opened or is in use, and a write the device
// holds back.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "dialer/DialCommand.h"
#include "dialer/ModemLine.h"
#include "dialer/ModemPty.h"
#include "dialer/PhoneCall.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

using namespace std::chrono_literals;

class PhoneCallTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(modem.ok()); }

    ModemPty modem;
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

TEST(DialCommand, ToneAndPulse) {
    EXPECT_EQ(dialCommand("9-555-0100", DialMethod::Tone), QByteArray("ATDT9-555-0100\r\n"));
    EXPECT_EQ(dialCommand("9-555-0100", DialMethod::Pulse), QByteArray("ATDP9-555-0100\r\n"));
    EXPECT_EQ(dialCommand("", DialMethod::Tone), QByteArray("ATDT\r\n"));
    EXPECT_EQ(QByteArray(kHangUpCommand).size(), 5);
}

TEST(DialCommand, ControlCharactersAreFound) {
    EXPECT_FALSE(hasControlCharacters("1-800 (555) 0100,,*#"));
    EXPECT_TRUE(hasControlCharacters("555\r0100"));
    EXPECT_TRUE(hasControlCharacters("555\n"));
    EXPECT_TRUE(hasControlCharacters(QString("5\t5")));
    EXPECT_TRUE(hasControlCharacters(QString(QChar(0x7f))));
}

TEST_F(PhoneCallTest, ToneSendsTheDialThenTheHangUp) {
    EXPECT_EQ(dialNumber("9-555-0100", modem.device(), DialMethod::Tone, "Dial"),
              DialOutcome::Dialed);
    EXPECT_EQ(modem.received(), QByteArray("ATDT9-555-0100\r\nATH\r\n"));
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.shown()[0].text, "Pick up phone");
}

TEST_F(PhoneCallTest, PulseAndAnEmptyNumber) {
    EXPECT_EQ(dialNumber("", modem.device(), DialMethod::Pulse, "Dial"), DialOutcome::Dialed);
    EXPECT_EQ(modem.received(), QByteArray("ATDP\r\nATH\r\n"));
    // The port is free again for the next dial.
    EXPECT_EQ(dialNumber("", modem.device(), DialMethod::Tone, "Dial"), DialOutcome::Dialed);
    EXPECT_EQ(modem.received(), QByteArray("ATDT\r\nATH\r\n"));
}

TEST_F(PhoneCallTest, ControlCharactersAreRefusedAndNothingIsSent) {
    EXPECT_EQ(dialNumber("555\r\nATZ", modem.device(), DialMethod::Tone, "Dial"),
              DialOutcome::Refused);
    EXPECT_EQ(modem.received(), QByteArray());
    EXPECT_EQ(shown.texts(), QStringList{"The number to dial cannot contain control characters."});
    EXPECT_EQ(shown.shown()[0].kind, "error");
}

TEST_F(PhoneCallTest, AMissingDeviceIsNotOpened) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("ttyS9");
    EXPECT_EQ(dialNumber("555", missing, DialMethod::Tone, "Dial"), DialOutcome::NotOpened);
    EXPECT_EQ(shown.texts(), QStringList{"Unable to open " + missing});
    EXPECT_EQ(shown.shown()[0].kind, "error");
}

TEST_F(PhoneCallTest, AnOrdinaryFileIsNotADevice) {
    QTemporaryDir dir;
    const QString file = dir.filePath("modem");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(dialNumber("555", file, DialMethod::Tone, "Dial"), DialOutcome::NotOpened);
    EXPECT_EQ(QFileInfo(file).size(), 0);
}

TEST_F(PhoneCallTest, APortInUseIsNotOpenedAndNothingIsWritten) {
    ModemLine holder;
    ASSERT_TRUE(holder.open(modem.device()));
    ModemLine second;
    EXPECT_FALSE(second.open(modem.device()));
    EXPECT_FALSE(second.error().isEmpty());
    EXPECT_EQ(dialNumber("555", modem.device(), DialMethod::Tone, "Dial"), DialOutcome::NotOpened);
    EXPECT_EQ(shown.texts(), QStringList{"Unable to open " + modem.device()});
    EXPECT_EQ(modem.received(), QByteArray());
    holder.close();
    EXPECT_TRUE(second.open(modem.device()));
}

TEST_F(PhoneCallTest, AHeldBackWriteFailsWithinTheLimit) {
    // Fill the terminal until it takes no more: the other end is never read. The terminal
    // moves bytes across in the background, so it counts as full only once it has taken nothing
    // for a while.
    ::fcntl(modem.slave(), F_SETFL, ::fcntl(modem.slave(), F_GETFL) | O_NONBLOCK);
    const QByteArray block(1024, 'x');
    int quiet = 0;
    for (int round = 0; round < 1000 && quiet < 3; ++round) {
        bool took = false;
        while (::write(modem.slave(), block.constData(), block.size()) > 0) took = true;
        ASSERT_EQ(errno, EAGAIN);
        quiet = took ? 0 : quiet + 1;
        ::usleep(20000);
    }
    ASSERT_EQ(quiet, 3);

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(dialNumber("555", modem.device(), DialMethod::Tone, "Dial", 300ms),
              DialOutcome::NotSent);
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(shown.texts(), QStringList{"Unable to dial number"});
}

TEST_F(PhoneCallTest, TheWriteLimitIsFiveSeconds) {
    EXPECT_EQ(kModemWriteLimit, 5000ms);
    ModemLine line;
    EXPECT_FALSE(line.write("AT\r\n"));  // not open
    ASSERT_TRUE(line.open(modem.device()));
    EXPECT_TRUE(line.write("AT\r\n", 0ms));
    EXPECT_EQ(modem.received(), QByteArray("AT\r\n"));
}

}  // namespace
}  // namespace rp
