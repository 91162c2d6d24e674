#pragma once
// Base of the dialogs that run a loop over many records: a progress bar in percent, the busy
// and cancel-requested flags, and pending input handled at most every 30 ms while the loop
// runs. Closing the window while busy counts as the dialog's Cancel.
#include <functional>
#include <initializer_list>

#include "framework/BulkProgress.h"
#include "framework/Dialog.h"
#include "framework/EventPacer.h"
#include "framework/HelpTopic.h"

class QProgressBar;

namespace rp {

class BulkDialog : public Dialog {
    Q_OBJECT
  public:
    BulkDialog(QWidget* parent, HelpTopic::Number helpTopic);

    bool busy() const { return busy_; }
    bool cancelRequested() const { return cancelRequested_; }
    QProgressBar* progressBar() const { return progress_; }
    // Closing the window: Cancel's question while busy.
    void reject() override;

  protected:
    // Marks the loop as running or not; the hooks report to the progress bar and stop the
    // loop once a cancel was confirmed.
    void setBusy(bool busy);
    // Lays the dialog out at a fixed size: the parts from top to bottom, then a row with the
    // command buttons on the left and Help with pointer help on the right.
    void layOutParts(std::initializer_list<QWidget*> parts,
                     std::initializer_list<QWidget*> commands);
    // Help and pointer help, hidden while the work runs.
    QWidget* helpButtons() const { return helpButtons_; }
    // Puts the progress part where the choices were, as wide as they were.
    void showWorking(QWidget* choices, QWidget* progress);
    BulkHooks hooks();
    // Runs work busy; a failure is told in an error box. False when it failed.
    bool runBusy(const std::function<void()>& work);
    // While busy: asks the dialog's cancel question (nothing when it has none) and, on Yes,
    // requests the loop to stop. While not busy: closes the dialog.
    void cancelClicked();
    // The cancel question; false when the loop cannot be stopped.
    virtual bool confirmCancel() = 0;

  private:
    bool handlePendingInput();

    QProgressBar* progress_;
    QWidget* helpButtons_;
    bool busy_ = false;
    bool cancelRequested_ = false;
    EventPacer events_;
};

}  // namespace rp
