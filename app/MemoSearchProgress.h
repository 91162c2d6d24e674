#pragma once
// The "Searching" window shown while the memo search walks the file: the sought text and a
// Cancel button. It holds the rest of the program off while it shows, and gives the walk its
// step: pending events are handled every kEventIntervalMs, and Cancel (or Esc, or closing
// the window) stops the walk.
#include "framework/Dialog.h"
#include "framework/EventPacer.h"

class QLabel;
class QPushButton;

namespace rp {

class MemoSearchProgress : public Dialog {
    Q_OBJECT
  public:
    // Handling events after every record would cost more than the walk itself; every 10 ms
    // keeps the window answering at once and costs next to nothing.
    static constexpr int kEventIntervalMs = 10;

    MemoSearchProgress(const QString& text, QWidget* parent,
                       const ProgressClock& clock = ProgressClock::steady());

    QLabel* textLabel() const { return text_; }
    QPushButton* cancelButton() const { return cancel_; }
    bool cancelled() const { return cancelled_; }

    // The walk's step, run after every record: handles pending events when more than
    // kEventIntervalMs have passed on the clock since it last did; false once the search was
    // cancelled.
    bool afterRecord();

    void reject() override;

  private:
    QLabel* text_;
    QPushButton* cancel_;
    EventPacer events_;
    bool cancelled_ = false;
};

}  // namespace rp
