#pragma once
// The modem commands: "ATDT" (tone) or "ATDP" (pulse), the number exactly as given, CR LF; and
// the hang-up "ATH" CR LF that leaves the line to the handset.
#include <QByteArray>
#include <QString>

#include "dialer/DialSettings.h"

namespace rp {

inline constexpr char kHangUpCommand[] = "ATH\r\n";

QByteArray dialCommand(const QString& number, DialMethod method);

// True when text holds a character that would end or change a modem command (CR, LF and the
// other control characters).
bool hasControlCharacters(const QString& text);

}  // namespace rp
