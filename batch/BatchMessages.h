#pragma once
// Messages for a job without a window: what a dialog would show goes to standard error as one
// line (its line breaks turned into blanks); a question is answered Yes only when the job was
// given --yes, and is written out with the answer.
#include <QTextStream>

#include "framework/Messages.h"

namespace rp {

class BatchMessages : public Messages {
  public:
    explicit BatchMessages(bool answerYes) : answerYes_(answerYes) {}

    void information(const QString& caption, const QString& text) override;
    void error(const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text, bool defaultYes) override;
    void beep() override {}

    // The text as one line: leading breaks dropped, the others turned into blanks.
    static QString oneLine(const QString& text);

  private:
    bool answerYes_;
};

}  // namespace rp
