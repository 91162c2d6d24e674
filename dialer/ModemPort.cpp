#include "dialer/ModemPort.h"

#include <QSerialPortInfo>
#include <algorithm>

namespace rp {

QString serialPortDevice(int index) {
    return QStringLiteral("/dev/ttyS%1").arg(index);
}

int serialPortIndex(const QString& device) {
    for (int i = 0; i < kSerialPortCount; ++i)
        if (device == serialPortDevice(i)) return i;
    return -1;
}

std::vector<ModemPort> modemPorts(const QStringList& reported) {
    std::vector<ModemPort> ports;
    // The ports' names, as the system's own documentation writes them: not translated.
    for (int i = 0; i < kSerialPortCount; ++i)
        ports.push_back({QStringLiteral("COM %1").arg(i + 1), serialPortDevice(i)});
    QStringList usb;
    for (const QString& device : reported)
        if (device.startsWith(QLatin1String("/dev/ttyUSB")) ||
            device.startsWith(QLatin1String("/dev/ttyACM")))
            usb << device;
    usb.sort();
    usb.removeDuplicates();
    for (const QString& device : usb) ports.push_back({device, device});
    return ports;
}

std::vector<ModemPort> modemPorts() {
    QStringList reported;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        reported << info.systemLocation();
    return modemPorts(reported);
}

}  // namespace rp
