#pragma once
// PrintDialogs for tests: each dialog takes its answer from a queue and is recorded; a dialog
// with nothing queued throws so that the test fails loudly.
#include <QString>
#include <deque>
#include <vector>

#include "framework/PrintDialogs.h"

namespace rp {

class ScriptedPrintDialogs : public PrintDialogs {
  public:
    struct Answer {
        bool confirm = true;
        int fromPage = 0;  // 0: every page
        int toPage = 0;
        int copies = 1;
        QString outputFile = {};  // the output file typed over the one proposed; empty: kept
    };
    struct Shown {
        QString dialog;      // "print" or "setup"
        QString printer;     // the printer's name as the dialog opened
        QString outputFile;  // the output file as the dialog opened
    };

    void answerPrint(const Answer& answer) { printAnswers_.push_back(answer); }
    void answerSetup(bool confirm) { setupAnswers_.push_back(confirm); }
    bool print(QPrinter& printer) override;
    bool setup(QPrinter& printer) override;
    const std::vector<Shown>& shown() const { return shown_; }

  private:
    std::deque<Answer> printAnswers_;
    std::deque<bool> setupAnswers_;
    std::vector<Shown> shown_;
};

}  // namespace rp
