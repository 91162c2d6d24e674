#pragma once
// The ports a modem may be on: the four serial ports "COM 1" to "COM 4" (/dev/ttyS0 to
// /dev/ttyS3), then the USB modems the system reports (/dev/ttyUSB*, /dev/ttyACM*).
#include <QString>
#include <QStringList>
#include <vector>

namespace rp {

constexpr int kSerialPortCount = 4;

struct ModemPort {
    QString caption;  // as the port list shows it
    QString device;   // the device path

    bool operator==(const ModemPort&) const = default;
};

// "/dev/ttyS0" for 0 and so on; index must be 0 to 3.
QString serialPortDevice(int index);
// 0 to 3 for the four serial ports' device paths, -1 for any other.
int serialPortIndex(const QString& device);

// The four serial ports, then those of reported that are USB modems, in path order, each once.
std::vector<ModemPort> modemPorts(const QStringList& reported);
// The same with the ports the system reports now.
std::vector<ModemPort> modemPorts();

}  // namespace rp
