#pragma once
// A translation that puts in brackets every text the build's extraction (lupdate) found under
// the context it is asked for, installed for the lifetime of the object: a text shown without
// brackets did not go through tr() or translate(), or lupdate cannot see it there (a text
// passed in a variable without QT_TRANSLATE_NOOP, a context that differs at run time), so that
// no translation would ever reach it.
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
    MarkingTranslator() {
        if (!extracted_.load(QStringLiteral(RAVENPOST_PSEUDO_QM)))
            qFatal("cannot read the pseudo-translation %s", RAVENPOST_PSEUDO_QM);
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    MarkingTranslator(const MarkingTranslator&) = delete;
    MarkingTranslator& operator=(const MarkingTranslator&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (extracted_.translate(context, sourceText, disambiguation, n).isEmpty()) return {};
        return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
    }

  private:
    QTranslator extracted_;  // the build's pseudo-translation: every text lupdate extracted
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
