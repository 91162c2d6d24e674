// Errors at the boundary with Qt's event loop: a guarded slot tells the cause and the signal's
// sender goes on; an event handler that throws is caught by the application's notify, which
// tells the cause, and the event loop keeps running.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <stdexcept>

#include "framework/ErrorReport.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

const QString kCause = QStringLiteral("/data/RVPLSU.DBF: a record runs past the end of the file");

// An object whose handler of user events throws.
class Thrower : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error(kCause.toStdString());
        return QObject::event(event);
    }
};

class ErrorBoundary : public ::testing::Test {
  protected:
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

TEST_F(ErrorBoundary, GuardedSlotsTellTheCauseAndTakeTheSignalsArguments) {
    QPushButton button;
    button.setCheckable(true);
    QList<bool> seen;
    QObject::connect(&button, &QPushButton::clicked, &button, guarded([&](bool checked) {
        seen << checked;
        throw std::runtime_error(kCause.toStdString());
    }));
    QObject::connect(&button, &QPushButton::clicked, &button, guarded([&] { seen << false; }));
    button.click();
    EXPECT_EQ(seen, QList<bool>({true, false}));  // the second slot still ran
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "error");
    EXPECT_EQ(shown.shown()[0].caption, "Error");
    EXPECT_EQ(shown.shown()[0].text, kCause);
}

TEST_F(ErrorBoundary, AnEventHandlerThatThrowsIsToldAndTheLoopRunsOn) {
    Thrower thrower;
    QEvent sent(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&thrower, &sent));
    EXPECT_EQ(shown.texts(), QStringList{kCause});

    // Posted through the event loop, then a timer after it: both are delivered.
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    bool later = false;
    QTimer::singleShot(0, &thrower, [&later] { later = true; });
    for (int i = 0; i < 10 && !later; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(later);
    EXPECT_EQ(shown.texts(), QStringList({kCause, kCause}));
}

}  // namespace
}  // namespace rp
