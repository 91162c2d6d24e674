#pragma once
// The print status window: runs one report job as soon as it is shown, to a printer ("Print
// Status" with Cancel) or into recorded pages for a preview ("Preview Status" with Stop), and
// shows the canvas's status text in a framed panel. When the job ends the button becomes OK
// and the status tells how it ended; OK closes the window.
#include <QCoreApplication>
#include <QString>
#include <functional>

#include "framework/Dialog.h"

class QLabel;
class QPushButton;

namespace rp {

class ReportCanvas;
class ReportSurface;

// Sets the canvas up, starts it and draws, asking keepGoing() after each row and returning
// as soon as it says no. The window finishes the document afterwards unless it was aborted.
using ReportJob = std::function<void(ReportCanvas& canvas, const std::function<bool()>& keepGoing)>;

// The texts a report shows; "%p" in a final status stands for the page number.
struct PrintStatusTexts {
    // Asked before a print is cancelled; empty: Cancel aborts at once.
    QString cancelQuestion = QCoreApplication::translate("PrintStatusTexts", "Cancel Printing?");
    QString printCanceled = QCoreApplication::translate("PrintStatusTexts", "\rPrint Canceled!");
    QString previewCanceled =
        QCoreApplication::translate("PrintStatusTexts", "\rPreview Canceled!");
    QString previewStopped =
        QCoreApplication::translate("PrintStatusTexts", "\rPreview Stopped at page %p!");
    QString printCompleted = QCoreApplication::translate("PrintStatusTexts", "\rPrint Completed!");
    QString previewReady = QCoreApplication::translate("PrintStatusTexts", "\rPreview Ready!");

    // The texts of a kind of job ("Label", "Report"): "Cancel Label Printing?",
    // "\rLabel Print Canceled!" and so on; the stopped preview's text stays as it is.
    static PrintStatusTexts forJob(const QString& kind);
};

enum class PrintOutcome { Pending, Completed, Cancelled, Stopped };

class PrintStatusDialog : public Dialog {
    Q_OBJECT
  public:
    static QString statusFormat() { return tr("Printing Page %p\r%0\r%1"); }

    PrintStatusDialog(ReportSurface& surface, ReportJob job, bool preview,
                      QWidget* parent = nullptr, PrintStatusTexts texts = {});

    bool preview() const { return preview_; }
    PrintOutcome outcome() const { return outcome_; }
    // The status as the canvas wrote it, with "\r" between its lines.
    const QString& statusText() const { return status_; }
    QLabel* statusLabel() const { return statusLabel_; }
    // Cancel or Stop while the job runs, OK afterwards.
    QPushButton* button() const { return button_; }
    // Stop: a preview's job ends after the row it is on, keeping the pages made so far.
    void requestStop();

  signals:
    // The job has returned; outcome() tells how it ended.
    void jobEnded();

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void runJob();
    bool keepGoing(const ReportCanvas& canvas) const;
    void buttonClicked();
    void setStatus(const QString& text);
    QString finalFormat(bool aborted) const;

    ReportSurface& surface_;
    ReportJob job_;
    bool preview_;
    PrintStatusTexts texts_;
    QLabel* statusLabel_;
    QPushButton* button_;
    QString status_;
    ReportCanvas* canvas_ = nullptr;  // while the job runs
    bool started_ = false;
    bool stopRequested_ = false;
    PrintOutcome outcome_ = PrintOutcome::Pending;
};

}  // namespace rp
