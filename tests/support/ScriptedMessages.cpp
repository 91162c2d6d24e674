#include "support/ScriptedMessages.h"

#include <stdexcept>

namespace rp {

void ScriptedMessages::information(const QString& caption, const QString& text) {
    shown_.push_back({QStringLiteral("information"), caption, text});
}

void ScriptedMessages::error(const QString& caption, const QString& text) {
    shown_.push_back({QStringLiteral("error"), caption, text});
}

bool ScriptedMessages::question(const QString& caption, const QString& text, bool defaultYes) {
    shown_.push_back({QStringLiteral("question"), caption, text, defaultYes});
    if (answers_.empty()) throw std::logic_error("unexpected question: " + text.toStdString());
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

void ScriptedMessages::beep() {
    shown_.push_back({QStringLiteral("beep"), {}, {}});
}

QStringList ScriptedMessages::texts() const {
    QStringList out;
    for (const auto& s : shown_)
        if (s.kind != QLatin1String("beep")) out << s.text;
    return out;
}

int ScriptedMessages::beeps() const {
    int n = 0;
    for (const auto& s : shown_) n += s.kind == QLatin1String("beep");
    return n;
}

}  // namespace rp
