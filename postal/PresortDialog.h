#pragma once
// "Bulk Mail Presorting": the progress window of the presort. It starts the work as soon as
// it is shown, shows its status line, asks "Cancel PRESORT?" when Cancel (or Esc, or the
// close box) is pressed, and closes itself when the work ends. doneCheck() tells the caller
// whether PRESORT.PSL was written by a completed run.
#include <QElapsedTimer>

#include "framework/Dialog.h"
#include "postal/Presort.h"

class QLabel;
class QPushButton;

namespace xbase {
class Table;
}

namespace rp {

class PresortDialog : public Dialog {
    Q_OBJECT
  public:
    // Handling events after every record would cost more than reading it; every 10 ms keeps
    // the window answering at once.
    static constexpr int kEventIntervalMs = 10;

    // Presorts the table's current view into folder, counting records or households.
    PresortDialog(xbase::Table& table, const QString& folder, QWidget* parent,
                  PresortCount count = PresortCount::Records);

    // Shows the window modally until the work ends; the done mark.
    static bool run(xbase::Table& table, const QString& folder, QWidget* parent,
                    PresortCount count = PresortCount::Records);

    // Yes only when the work completed and no cancel was confirmed, not even after the end.
    bool doneCheck() const { return completed_ && !cancelRequested_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* cancelButton() const { return cancel_; }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onFormActivated();
    void onCancelClicked();
    bool afterRecord();

    xbase::Table& table_;
    QString folder_;
    PresortCount count_;
    QLabel* status_;
    QPushButton* cancel_;
    QElapsedTimer sinceEvents_;
    bool started_ = false;
    bool cancelRequested_ = false;
    bool completed_ = false;
};

}  // namespace rp
