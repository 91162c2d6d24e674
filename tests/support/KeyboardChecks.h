#pragma once
// What the keyboard tests look at in a window: the "&" mnemonics that clash at one level (a
// menu, or a dialog's visible page with its menu bar), and the controls the Tab key reaches
// going round a window once.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace rp {

// The named window of a layer's list of every window.
struct NamedWindow {
    const char* name;
    QWidget* window;
    bool escapeCloses = true;  // false where Escape asks first, as the window's Cancel does
};

// A group of captions whose mnemonics clash on purpose: each caption as (context, source
// text), compared after translation.
using KnownClash = std::vector<std::pair<const char*, const char*>>;

// The mnemonic letter of a caption ("Searc&h" gives 'H'), or a null character.
inline QChar mnemonicOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toUpper();
        ++i;
    }
    return QChar();
}

// Clashes among captions, each as "K: first | second" in the order given, leaving out those
// whose captions all belong to one known group.
inline QStringList clashesAmong(const QStringList& captions, const std::vector<KnownClash>& known) {
    std::map<QChar, QStringList> byKey;
    for (const QString& c : captions)
        if (const QChar key = mnemonicOf(c); !key.isNull()) byKey[key] << c;
    QStringList clashes;
    for (const auto& [key, sharing] : byKey) {
        if (sharing.size() < 2) continue;
        bool excused = false;
        for (const KnownClash& group : known) {
            QStringList allowed;
            for (const auto& [context, text] : group)
                allowed << QCoreApplication::translate(context, text);
            excused = excused || std::all_of(sharing.begin(), sharing.end(),
                                             [&](const QString& s) { return allowed.contains(s); });
        }
        if (!excused) clashes << QString(key) + QStringLiteral(": ") + sharing.join(" | ");
    }
    return clashes;
}

// The captions of the items shown now in window that carry a mnemonic for it: buttons, check
// boxes, labels with buddies, group boxes, tabs and the menu bar's titles.
inline QStringList visibleCaptions(const QWidget& window) {
    QStringList captions;
    for (const QWidget* w : window.findChildren<const QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window) continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            captions << button->text();
        if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            captions << label->text();
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) captions << group->title();
        if (const auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
        if (const auto* bar = qobject_cast<const QMenuBar*>(w))
            for (const QAction* a : bar->actions()) captions << a->text();
    }
    return captions;
}

// Clashes at every level of window: each page of its tab and stacked widgets shown in turn
// (with what is around it and the menu bar), and each menu of its menu bar.
inline QStringList mnemonicClashes(QWidget& window, const std::vector<KnownClash>& known) {
    QStringList clashes;
    const auto add = [&](const QString& level, const QStringList& found) {
        for (const QString& c : found) clashes << level + QStringLiteral(" - ") + c;
    };
    add(QStringLiteral("window"), clashesAmong(visibleCaptions(window), known));
    for (QStackedWidget* stack : window.findChildren<QStackedWidget*>()) {
        const int was = stack->currentIndex();
        for (int i = 0; i < stack->count(); ++i) {
            stack->setCurrentIndex(i);
            add(QStringLiteral("page %1").arg(i), clashesAmong(visibleCaptions(window), known));
        }
        stack->setCurrentIndex(was);
    }
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        QStringList captions;
        for (const QAction* a : menu->actions())
            if (a->isVisible()) captions << a->text();
        add(menu->title(), clashesAmong(captions, known));
    }
    return clashes;
}

// The control that stands for w when it takes the focus: a spin box or combo box rather
// than its inner line edit.
inline QWidget* focusOwner(QWidget* w) {
    while (w && w->parentWidget() && w->parentWidget()->focusProxy() == w) w = w->parentWidget();
    return w;
}

inline QString describe(const QWidget* w) {
    QString text;
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
    if (text.isEmpty()) text = w->accessibleName();
    if (text.isEmpty()) text = w->objectName();
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + text;
}

// The place of a control in the Tab order's count: the radio buttons of one exclusive group
// are one stop (the arrow keys move within it).
inline const QObject* tabStop(const QWidget* w) {
    if (const auto* radio = qobject_cast<const QRadioButton*>(w); radio && radio->autoExclusive())
        return radio->group() ? static_cast<const QObject*>(radio->group()) : radio->parent();
    return w;
}

// What going round window with Tab finds: the enabled focusable controls shown that Tab
// never reached, and those reached twice before getting back to the first.
struct TabRound {
    QStringList missed;
    QStringList repeated;
};

// Shows window, waits until it has the focus, and presses Tab until the focus comes back to
// where it started. A control that takes Tab as text (the letter editor) is left with
// Ctrl+Tab.
inline TabRound tabRound(QWidget& window) {
    window.show();
    window.activateWindow();
    TabRound round;
    if (!QTest::qWaitForWindowActive(&window)) {
        round.missed << QStringLiteral("the window never became active");
        return round;
    }
    std::map<const QObject*, QString> expected;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || !w->isVisible() || !w->isEnabled() || w->focusProxy() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        const QWidget* owner = focusOwner(w);
        const QObject* stop = tabStop(owner);
        if (!expected.contains(stop)) expected[stop] = describe(owner);
    }
    QWidget* first = QApplication::focusWidget();
    if (!first) {
        round.missed << QStringLiteral("nothing has the focus");
        return round;
    }
    std::set<const QObject*> reached;
    QWidget* at = first;
    for (size_t step = 0; step <= 2 * expected.size() + 2; ++step) {
        const QObject* stop = tabStop(focusOwner(at));
        if (!reached.insert(stop).second) round.repeated << describe(focusOwner(at));
        const auto* text = qobject_cast<const QTextEdit*>(at);
        const auto* plain = qobject_cast<const QPlainTextEdit*>(at);
        const bool typesTabs =
            (text && !text->tabChangesFocus()) || (plain && !plain->tabChangesFocus());
        QTest::keyClick(at, Qt::Key_Tab, typesTabs ? Qt::ControlModifier : Qt::NoModifier);
        at = QApplication::focusWidget();
        if (!at || at == first) break;
    }
    for (const auto& [stop, name] : expected)
        if (!reached.contains(stop)) round.missed << name;
    return round;
}

// Whether Escape from where the focus starts closes dialog by rejecting it.
inline bool escapeRejects(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog)) return false;
    QWidget* at = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
    dialog.setResult(QDialog::Accepted);
    QTest::keyClick(at, Qt::Key_Escape);
    return !dialog.isVisible() && dialog.result() == QDialog::Rejected;
}

// The mnemonics of window clash only as known, Tab reaches each control once going round,
// and Escape closes a dialog as Cancel does.
inline void expectUsableByKeys(const NamedWindow& named,
                               const std::vector<KnownClash>& known = {}) {
    const auto lines = [](const QStringList& list) { return list.join('\n').toStdString(); };
    EXPECT_EQ(lines(mnemonicClashes(*named.window, known)), "") << named.name;
    const TabRound round = tabRound(*named.window);
    EXPECT_EQ(lines(round.missed), "") << named.name << " missed";
    EXPECT_EQ(lines(round.repeated), "") << named.name << " repeated";
    if (auto* dialog = qobject_cast<QDialog*>(named.window); dialog && named.escapeCloses) {
        EXPECT_TRUE(escapeRejects(*dialog)) << named.name;
    }
    named.window->hide();
}

}  // namespace rp
