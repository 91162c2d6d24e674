#pragma once
// Text against what it is drawn on, by the WCAG 2 contrast formula: the texts of a window that
// paints the background picture which fall short of 4.5:1, looked at under a dark palette such
// as a desktop sets.
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "framework/Background.h"

namespace rp {

inline double relativeLuminance(const QColor& colour) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

inline double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The darkest and the lightest pixel of the background picture.
inline std::pair<QColor, QColor> backgroundExtremes() {
    const QImage tile = backgroundTile().toImage();
    QColor darkest = Qt::white;
    QColor lightest = Qt::black;
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) {
            const QColor c = tile.pixelColor(x, y);
            if (relativeLuminance(c) < relativeLuminance(darkest)) darkest = c;
            if (relativeLuminance(c) > relativeLuminance(lightest)) lightest = c;
        }
    return {darkest, lightest};
}

// The colours a widget's own text lands on: its nearest ancestor that fills its background (a
// tab widget's pane is painted in its button colour), else the background picture the program's
// dialogs, main window and start screen paint, or the window's own colour.
inline std::pair<QColor, QColor> groundUnder(const QWidget& widget, const QWidget& window) {
    for (const QWidget* w = &widget; w && w != &window; w = w->parentWidget()) {
        const auto* area = w->parentWidget()
                               ? qobject_cast<const QAbstractScrollArea*>(w->parentWidget())
                               : nullptr;
        if (const auto* pages = qobject_cast<const QTabWidget*>(w)) {
            const QColor pane = pages->palette().color(QPalette::Button);  // as the style paints it
            return {pane, pane};
        }
        if (w->autoFillBackground() || (area && area->viewport() == w)) {
            const QColor fill = w->palette().color(w->backgroundRole());
            return {fill, fill};
        }
    }
    if (window.inherits("rp::Dialog") || window.inherits("rp::MainWindow") ||
        window.inherits("rp::StartScreen"))
        return backgroundExtremes();
    const QColor fill = window.palette().color(QPalette::Window);
    return {fill, fill};
}

// "QLabel 'Name:' 1.32:1" for each visible text of window whose contrast with what it is
// drawn on is under 4.5:1; buttons against their face, greyed controls left out.
inline QStringList lowContrastTexts(QWidget& window) {
    constexpr double kLeast = 4.5;
    QStringList found;
    const auto check = [&](QWidget& w, const QString& text, const QColor& ink,
                           std::pair<QColor, QColor> ground) {
        const double ratio =
            std::min(contrastRatio(ink, ground.first), contrastRatio(ink, ground.second));
        if (ratio < kLeast)
            found << QStringLiteral("%1 '%2' %3:1")
                         .arg(QString::fromLatin1(w.metaObject()->className()), text)
                         .arg(ratio, 0, 'f', 2);
    };
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || !w->isEnabled()) continue;  // greyed text is exempt
        w->ensurePolished();
        const QPalette& p = w->palette();
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            check(*w, label->text(), p.color(label->foregroundRole()), groundUnder(*w, window));
        else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w))
            check(*w, static_cast<QAbstractButton*>(w)->text(), p.color(QPalette::WindowText),
                  groundUnder(*w, window));
        else if (auto* button = qobject_cast<QAbstractButton*>(w);
                 button && !button->text().isEmpty())
            check(*w, button->text(), p.color(QPalette::ButtonText),
                  {p.color(QPalette::Button), p.color(QPalette::Button)});
        else if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty())
            check(
                *w, group->title(), p.color(QPalette::WindowText),
                w->parentWidget() ? groundUnder(*w->parentWidget(), window) : backgroundExtremes());
    }
    return found;
}

// A dark palette, as a desktop's dark theme sets it, on the application for its lifetime.
class DarkPaletteScope {
  public:
    DarkPaletteScope() : previous_(QApplication::palette()) {
        QPalette dark;
        const QColor window(0x35, 0x35, 0x35);
        const QColor base(0x23, 0x23, 0x23);
        const QColor light(0xf0, 0xf0, 0xf0);
        for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                    {QPalette::WindowText, light},
                                    {QPalette::Base, base},
                                    {QPalette::AlternateBase, window},
                                    {QPalette::Text, light},
                                    {QPalette::Button, window},
                                    {QPalette::ButtonText, light},
                                    {QPalette::ToolTipBase, base},
                                    {QPalette::ToolTipText, light},
                                    {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)},
                                    {QPalette::HighlightedText, QColor(Qt::black)},
                                    {QPalette::Link, QColor(0x2a, 0x82, 0xda)}})
            dark.setColor(role, colour);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(QPalette::Disabled, role, QColor(0x7f, 0x7f, 0x7f));
        QApplication::setPalette(dark);
    }
    ~DarkPaletteScope() { QApplication::setPalette(previous_); }
    DarkPaletteScope(const DarkPaletteScope&) = delete;
    DarkPaletteScope& operator=(const DarkPaletteScope&) = delete;

  private:
    QPalette previous_;
};

}  // namespace rp
