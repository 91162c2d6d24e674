#pragma once
// One dial: refuse a number with control characters, open the port, send the dial command,
// let the user pick up the phone, send the hang-up and close the port. Every outcome is told
// through the installed Messages.
#include <QString>
#include <chrono>

#include "dialer/DialSettings.h"
#include "dialer/ModemLine.h"

namespace rp {

enum class DialOutcome { Refused, NotOpened, NotSent, Dialed };

// number is the whole text to dial (prefix and number); device the port's path.
DialOutcome dialNumber(const QString& number, const QString& device, DialMethod method,
                       const QString& caption,
                       std::chrono::milliseconds writeLimit = kModemWriteLimit);

}  // namespace rp
