#pragma once
// A translation that puts every text it is asked for in brackets, installed for the lifetime
// of the object: a text shown without brackets did not go through tr() or translate().
#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <QWidget>

namespace rp {

class MarkingTranslator : public QTranslator {
  public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    MarkingTranslator(const MarkingTranslator&) = delete;
    MarkingTranslator& operator=(const MarkingTranslator&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override {
        return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
    }
};

// Whether a text a user reads came through the translation: it is marked, or it holds no
// word at all ("<", "?", an empty label).
inline bool translatedOrWordless(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
    return text.isEmpty() || text.startsWith(QLatin1Char('[')) || !text.contains(word);
}

// The texts of window, its labels, buttons and group boxes, with their tool tips and
// "What's this?" help, that did not come through the translation.
inline QStringList untranslatedTexts(const QWidget& window) {
    QStringList texts{window.windowTitle()};
    QList<const QWidget*> widgets{&window};
    for (const QWidget* w : window.findChildren<const QWidget*>()) widgets << w;
    for (const QWidget* w : widgets) {
        texts << w->toolTip() << w->whatsThis();
        if (const auto* label = qobject_cast<const QLabel*>(w)) texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts << button->text();
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) texts << group->title();
    }
    QStringList untranslated;
    for (const QString& t : texts)
        if (!translatedOrWordless(t)) untranslated << t;
    return untranslated;
}

}  // namespace rp
