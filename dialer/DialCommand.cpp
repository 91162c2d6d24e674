#include "dialer/DialCommand.h"

#include <algorithm>

namespace rp {

QByteArray dialCommand(const QString& number, DialMethod method) {
    QByteArray command = method == DialMethod::Pulse ? "ATDP" : "ATDT";
    command += number.toLatin1();
    command += "\r\n";
    return command;
}

bool hasControlCharacters(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

}  // namespace rp
