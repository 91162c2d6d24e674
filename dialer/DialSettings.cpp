#include "dialer/DialSettings.h"

#include "data/IniFile.h"
#include "dialer/ModemPort.h"

namespace rp {
namespace {

const QString kSection = QStringLiteral("Dialing");
const QString kPrefixKey = QStringLiteral("Prefix");
const QString kInitKey = QStringLiteral("Init");
const QString kPortKey = QStringLiteral("Port");
const QString kMethodKey = QStringLiteral("Method");

QString portFromStored(const QString& stored) {
    bool number = false;
    const int index = stored.toInt(&number);
    if (number) return serialPortDevice(index >= 0 && index < kSerialPortCount ? index : 0);
    if (stored.isEmpty()) return serialPortDevice(0);
    return stored;
}

}  // namespace

DialSettings loadDialSettings(const IniFile& ini) {
    DialSettings s;
    s.prefix = ini.readString(kSection, kPrefixKey);
    s.init = ini.readString(kSection, kInitKey);
    s.port = portFromStored(ini.readString(kSection, kPortKey).trimmed());
    s.method = ini.readInteger(kSection, kMethodKey) == 1 ? DialMethod::Pulse : DialMethod::Tone;
    return s;
}

void saveDialSettings(IniFile& ini, const DialSettings& settings) {
    ini.writeString(kSection, kPrefixKey, settings.prefix);
    ini.writeString(kSection, kInitKey, settings.init);
    const int index = serialPortIndex(settings.port);
    if (index >= 0)
        ini.writeInteger(kSection, kPortKey, index);
    else
        ini.writeString(kSection, kPortKey, settings.port);
    ini.writeInteger(kSection, kMethodKey, static_cast<int>(settings.method));
}

}  // namespace rp
