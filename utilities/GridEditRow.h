#pragma once
// The row under an editable record grid: its navigator on the left, then Delete, Save and
// Undo, whose hints name what a line of the grid stands for ("record", "row").
#include <QWidget>

namespace rp {

class GridNavigator;

class GridEditRow : public QWidget {
    Q_OBJECT
  public:
    GridEditRow(GridNavigator* navigator, const QString& line, QWidget* parent);

  signals:
    void deleteClicked();
    void saveClicked();
    void undoClicked();
};

}  // namespace rp
