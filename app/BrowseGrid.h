#pragma once
// The Browse page's grid: a read-only table of a BrowseModel, one row selected at a time,
// columns as wide as the model's character widths in the grid's font. Enter, Esc or a double
// click choose the selected record; Insert does nothing here.
#include <QTableView>
#include <cstdint>

namespace rp {

class BrowseGrid : public QTableView {
    Q_OBJECT

  public:
    explicit BrowseGrid(QWidget* parent = nullptr);

    // Sizes the columns for the model as well.
    void setModel(QAbstractItemModel* model) override;
    // The width in pixels of a column of that many characters in the grid's font.
    int columnWidthFor(int chars) const;

  signals:
    // The owner goes to the record and shows it on the record page.
    void recordChosen(std::uint32_t recno);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void chooseRow(int row);
    void sizeColumns();
};

}  // namespace rp
