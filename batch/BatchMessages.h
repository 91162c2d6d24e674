#pragma once
// Messages for a job without a window: what a dialog would show goes to standard error as one
// line (see oneLine); a question is answered Yes only when the job was given --yes, and is
// written out with the answer.
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

    // The text as one line. Its lines, trimmed, blank ones dropped, are joined with ": " where a
    // line ending in a letter or digit is followed by one that explains it (a message and its
    // cause), else with a blank: after punctuation, before a line that goes on in lower case,
    // and before the next item of a numbered list. A file name that ends one line and begins
    // the explaining one is said once ("Unable to open /x/A.DBF: it is open exclusively ...").
    static QString oneLine(const QString& text);

  private:
    bool answerYes_;
};

}  // namespace rp
