#pragma once
// The row under an editable record grid: its navigator on the left, then Delete, Save and
// Undo, whose hints name what a line of the grid stands for (a record, a row).
#include <QWidget>

namespace rp {

class GridNavigator;

class GridEditRow : public QWidget {
    Q_OBJECT
  public:
    enum class Line { Record, Row };
    GridEditRow(GridNavigator* navigator, Line line, QWidget* parent);

  signals:
    void deleteClicked();
    void saveClicked();
    void undoClicked();
};

}  // namespace rp
