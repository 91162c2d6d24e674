#pragma once
// The dialer's settings, kept in the [Dialing] section of RAVENP.INI. The first four serial
// ports are stored by their number (0 to 3), as older files have them; any other port by its
// device path.
#include <QString>

namespace rp {

class IniFile;

enum class DialMethod { Tone = 0, Pulse = 1 };

struct DialSettings {
    QString prefix;  // dialled in front of the number
    QString init;    // the modem initialization string: kept, never sent
    QString port;    // the device path of the chosen port
    DialMethod method = DialMethod::Tone;

    bool operator==(const DialSettings&) const = default;
};

// Missing keys, a port number outside 0 to 3 and a method other than 1 give the defaults:
// empty texts, the first serial port, tone.
DialSettings loadDialSettings(const IniFile& ini);
// Writes all four keys; throws IniFileError when the file cannot be written.
void saveDialSettings(IniFile& ini, const DialSettings& settings);

}  // namespace rp
