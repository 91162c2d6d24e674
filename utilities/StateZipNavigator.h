#pragma once
// First, prior, next and last buttons that move a grid's current row.
#include <QWidget>

class QTableView;
class QToolButton;

namespace rp {

class StateZipNavigator : public QWidget {
    Q_OBJECT
  public:
    enum Move { First, Prior, Next, Last };
    StateZipNavigator(QTableView* grid, QWidget* parent = nullptr);

    QToolButton* button(Move m) const { return buttons_[m]; }
    void move(Move m);

  private:
    QTableView* grid_;
    QToolButton* buttons_[4];
};

}  // namespace rp
