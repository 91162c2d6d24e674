#pragma once
// The program's application object. Every event passes through its notify(); an exception that
// a handler let escape is shown through Messages there and the event counts as not handled,
// so the program keeps running. The handlers catch their own errors first: this is the last
// line, not the way errors are meant to travel.
#include <QApplication>

namespace rp {

class GuardedApplication : public QApplication {
    Q_OBJECT
  public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace rp
