#include "framework/PrintDialogs.h"

#include "framework/SystemPrintDialogs.h"

namespace rp {
namespace {

PrintDialogs*& current() {
    static SystemPrintDialogs system;
    static PrintDialogs* dialogs = &system;
    return dialogs;
}

}  // namespace

PrintDialogs& printDialogs() {
    return *current();
}

PrintDialogsScope::PrintDialogsScope(PrintDialogs& dialogs) : previous_(current()) {
    current() = &dialogs;
}

PrintDialogsScope::~PrintDialogsScope() {
    current() = previous_;
}

}  // namespace rp
