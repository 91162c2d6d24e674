#pragma once
// Base of every dialog: centred over its parent's window by the integer rule when first
// shown, the shared 108 x 108 background picture tiled from the top-left corner, a "Help"
// button that opens the dialog's help topic and a pointer-help button that enters
// "What's this?" mode (controls carry their short help in QWidget::whatsThis).
#include <QDialog>

#include "framework/HelpTopic.h"

class QIcon;
class QPushButton;
class QToolButton;

namespace rp {

// A push button of a dialog's own layout: its short help in whatsThis, and not pressed by Enter
// unless made the default button.
QPushButton* makeCommandButton(const QString& caption, const QString& help, QWidget* parent);

// A tool button with a text, an icon (may be null), a tool tip and its short help.
QToolButton* makeToolButton(const QString& text, const QIcon& icon, const QString& toolTip,
                            const QString& whatsThis, QWidget* parent);

class Dialog : public QDialog {
    Q_OBJECT
  public:
    Dialog(QWidget* parent, HelpTopic::Number helpTopic);

    HelpTopic::Number helpTopic() const { return helpTopic_; }

    // Buttons for the dialog's own layout; each dialog places them where it wants them.
    QPushButton* makeHelpButton(const QString& caption = tr("Help"));
    QToolButton* makePointerHelpButton();

    // left = main left + (main width - dialog width) / 2, top likewise, truncating toward zero.
    static QPoint centredOver(const QRect& mainFrame, const QSize& dialogSize);

  protected:
    // The layout of a small working window: content above a centred button, at a fixed size.
    void layOutAboveButton(QWidget* content, QPushButton* button);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    HelpTopic::Number helpTopic_;
    bool placed_ = false;
};

}  // namespace rp
