#pragma once
// "What's this?" on the right-click menu: a control with a short help text gets the entry at
// the end of its menu (after the editing entries of text boxes); choosing it shows the text
// beside the control, as the pointer-help button does. Installed once for the application.
#include <QObject>

class QMenu;
class QWidget;

namespace rp {

class WhatsThisMenu : public QObject {
    Q_OBJECT
  public:
    explicit WhatsThisMenu(QObject* parent = nullptr) : QObject(parent) {}

    // The menu for a right click on widget at globalPos, open (not waited for); null when
    // neither the widget nor the scroll area it is the viewport of has a help text.
    static QMenu* popupFor(QWidget* widget, const QPoint& globalPos);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace rp
