#include "framework/GuardedApplication.h"

#include "framework/ErrorReport.h"

namespace rp {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    reportErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace rp
