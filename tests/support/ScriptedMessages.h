#pragma once
// Messages for tests: every box and beep is recorded in order; questions take their answers
// from a queue, and a question with no queued answer throws so that the test fails loudly.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "framework/Messages.h"

namespace rp {

class ScriptedMessages : public Messages {
  public:
    struct Shown {
        QString kind;  // "information", "error", "question" or "beep"
        QString caption;
        QString text;
        bool defaultYes = false;
    };

    void answer(bool yes) { answers_.push_back(yes); }

    void information(const QString& caption, const QString& text) override;
    void error(const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text, bool defaultYes) override;
    void beep() override;

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;  // the texts of every box, beeps left out
    int beeps() const;
    int unansweredLeft() const { return static_cast<int>(answers_.size()); }
    void clear() { shown_.clear(); }

  private:
    std::vector<Shown> shown_;
    std::deque<bool> answers_;
};

}  // namespace rp
