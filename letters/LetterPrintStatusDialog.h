#pragma once
// The "Print Status Screen" of a letter print: runs the print as soon as it is shown, tells the
// pages printed after each record, and asks "Cancel print job?" when Cancel is pressed. When
// the print has ended the button closes the window.
#include <QString>

#include "framework/Dialog.h"

class QLabel;
class QPushButton;

namespace rp {

class LetterPrintRun;
class ReportSurface;

class LetterPrintStatusDialog : public Dialog {
    Q_OBJECT
  public:
    enum class Outcome { Pending, Completed, Cancelled, Failed };

    LetterPrintStatusDialog(LetterPrintRun& run, ReportSurface& surface, QWidget* parent = nullptr);

    Outcome outcome() const { return outcome_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* button() const { return button_; }

    // Runs the print (the window does so when shown); then the button is "Close".
    void runPrint();

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    bool keepGoing(int pagesCounted);
    void buttonClicked();

    LetterPrintRun& run_;
    ReportSurface& surface_;
    QLabel* status_;
    QPushButton* button_;
    bool started_ = false;
    bool cancelRequested_ = false;
    Outcome outcome_ = Outcome::Pending;
};

}  // namespace rp
