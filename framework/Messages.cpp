#include "framework/Messages.h"

#include <QCoreApplication>

#include "framework/BoxMessages.h"

namespace rp {
namespace {

Messages* installed() {
    static BoxMessages boxes;
    return &boxes;
}

Messages*& current() {
    static Messages* m = installed();
    return m;
}

}  // namespace

QString errorText(const std::exception& e) {
    return QString::fromUtf8(e.what());
}

QString withCause(const QString& message, const QString& cause) {
    return cause.isEmpty() ? message : message + QStringLiteral("\r\n") + cause;
}

Messages& messages() {
    return *current();
}

MessagesScope::MessagesScope(Messages& m) : previous_(current()) {
    current() = &m;
}

MessagesScope::~MessagesScope() {
    current() = previous_;
}

void showInformation(const QString& text) {
    messages().information(QCoreApplication::translate("Messages", "Information"), text);
}

bool askYesNo(const QString& text, bool defaultYes) {
    return messages().question(QCoreApplication::translate("Messages", "Confirm"), text,
                               defaultYes);
}

void beep() {
    messages().beep();
}

}  // namespace rp
