#include "dialer/PhoneCall.h"

#include "dialer/DialCommand.h"
#include "framework/Messages.h"

#include <QCoreApplication>

namespace rp {

DialOutcome dialNumber(const QString& number, const QString& device, DialMethod method,
                       const QString& caption, std::chrono::milliseconds writeLimit) {
    // A CR or LF would end the dial command early and send the rest as a command of its own.
    if (hasControlCharacters(number)) {
        messages().error(caption,
                         QCoreApplication::translate(
                             "PhoneCall", "The number to dial cannot contain control characters."));
        return DialOutcome::Refused;
    }
    ModemLine line;
    if (!line.open(device)) {
        messages().error(caption,
                         QCoreApplication::translate("PhoneCall", "Unable to open %1").arg(device));
        return DialOutcome::NotOpened;
    }
    if (!line.write(dialCommand(number, method), writeLimit)) {
        messages().error(caption,
                         QCoreApplication::translate("PhoneCall", "Unable to dial number"));
        return DialOutcome::NotSent;
    }
    messages().information(caption, QCoreApplication::translate("PhoneCall", "Pick up phone"));
    // The modem leaves the line to the handset; nobody is told when this fails.
    line.write(QByteArray(kHangUpCommand), writeLimit);
    return DialOutcome::Dialed;
}

}  // namespace rp
