#pragma once
// First, prior, next and last buttons that move a grid's current row, and the grid the list
// utilities show records in.
#include <QString>
#include <QWidget>

class QTableView;
class QToolButton;

namespace rp {

// A grid of single cells with rows as high as a line of text, at least 640 x 220, its last
// column stretched; help is its pointer help.
QTableView* makeRecordGrid(const QString& help, QWidget* parent);

class GridNavigator : public QWidget {
    Q_OBJECT
  public:
    enum Move { First, Prior, Next, Last };
    // The second button's name, as each window has it.
    enum class PriorName { Prior, Previous };
    GridNavigator(QTableView* grid, PriorName priorName, QWidget* parent = nullptr);

    QToolButton* button(Move m) const { return buttons_[m]; }
    void move(Move m);

  private:
    QTableView* grid_;
    QToolButton* buttons_[4];
};

}  // namespace rp
