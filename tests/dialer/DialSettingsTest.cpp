// The [Dialing] keys of RAVENP.INI: defaults, round trips, the serial ports kept as numbers
// and other ports as paths; and the port list offered to the user.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "data/IniFile.h"
#include "dialer/DialSettings.h"
#include "dialer/ModemPort.h"

namespace rp {
namespace {

class DialSettingsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    IniFile ini{dir.filePath("RAVENP.INI")};
};

TEST_F(DialSettingsTest, MissingFileGivesTheDefaults) {
    const DialSettings s = loadDialSettings(ini);
    EXPECT_EQ(s.prefix, "");
    EXPECT_EQ(s.init, "");
    EXPECT_EQ(s.port, "/dev/ttyS0");
    EXPECT_EQ(s.method, DialMethod::Tone);
}

TEST_F(DialSettingsTest, SerialPortsAreStoredAsTheirNumber) {
    saveDialSettings(ini, {"9,", "ATZ", "/dev/ttyS2", DialMethod::Pulse});
    EXPECT_EQ(ini.readString("Dialing", "Prefix"), "9,");
    EXPECT_EQ(ini.readString("Dialing", "Init"), "ATZ");
    EXPECT_EQ(ini.readString("Dialing", "Port"), "2");
    EXPECT_EQ(ini.readString("Dialing", "Method"), "1");
    EXPECT_EQ(loadDialSettings(ini), (DialSettings{"9,", "ATZ", "/dev/ttyS2", DialMethod::Pulse}));
}

TEST_F(DialSettingsTest, OtherPortsAreStoredAsTheirPath) {
    saveDialSettings(ini, {"", "", "/dev/ttyACM0", DialMethod::Tone});
    EXPECT_EQ(ini.readString("Dialing", "Port"), "/dev/ttyACM0");
    EXPECT_EQ(ini.readString("Dialing", "Method"), "0");
    EXPECT_EQ(loadDialSettings(ini).port, "/dev/ttyACM0");
}

TEST_F(DialSettingsTest, OutOfRangeValuesFallBackToTheDefaults) {
    ini.writeInteger("Dialing", "Port", 7);
    ini.writeInteger("Dialing", "Method", 5);
    const DialSettings s = loadDialSettings(ini);
    EXPECT_EQ(s.port, "/dev/ttyS0");
    EXPECT_EQ(s.method, DialMethod::Tone);
    ini.writeInteger("Dialing", "Port", 3);
    EXPECT_EQ(loadDialSettings(ini).port, "/dev/ttyS3");
}

TEST(ModemPorts, FourSerialPortsThenTheUsbModemsInOrder) {
    const std::vector<ModemPort> ports =
        modemPorts({"/dev/ttyUSB1", "/dev/ttyS5", "/dev/ttyACM0", "/dev/ttyUSB1", "/dev/ttyAMA0"});
    const std::vector<ModemPort> expected{
        {"COM 1", "/dev/ttyS0"},          {"COM 2", "/dev/ttyS1"},
        {"COM 3", "/dev/ttyS2"},          {"COM 4", "/dev/ttyS3"},
        {"/dev/ttyACM0", "/dev/ttyACM0"}, {"/dev/ttyUSB1", "/dev/ttyUSB1"}};
    EXPECT_EQ(ports, expected);
    EXPECT_EQ(serialPortIndex("/dev/ttyS3"), 3);
    EXPECT_EQ(serialPortIndex("/dev/ttyS4"), -1);
}

TEST(ModemPorts, TheSystemsListStartsWithTheSerialPorts) {
    const std::vector<ModemPort> ports = modemPorts();
    ASSERT_GE(ports.size(), 4u);
    EXPECT_EQ(ports[0], (ModemPort{"COM 1", "/dev/ttyS0"}));
    for (std::size_t i = 4; i < ports.size(); ++i)
        EXPECT_TRUE(ports[i].device.startsWith("/dev/ttyUSB") ||
                    ports[i].device.startsWith("/dev/ttyACM"));
}

}  // namespace
}  // namespace rp
