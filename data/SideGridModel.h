#pragma once
// A read-only grid model over an open side table (label setups and stocks, envelope setups and
// sizes): one row per record that the table's navigation visits (its order and filter
// honoured), in that order, and the given columns. Values are read when the model is refreshed;
// refresh after every change of the table.
#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace xbase {
class Table;
}

namespace rp {

// One column: the field it shows and its header title. A field the table does not have shows
// empty cells.
struct SideGridColumn {
    const char* field;
    QString title;
};

// How a grid lists its table.
struct SideGridOptions {
    // Records carrying the deletion mark get no row, whatever the engine's hidden-deleted
    // setting; the table standing on one has no current row.
    bool hideDeleted = false;
    // Numeric fields show their value ("6.5", blank when empty), not the stored text ("6.500").
    bool numbersAsValues = false;
};

class SideGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    SideGridModel(xbase::Table& table, std::vector<SideGridColumn> columns,
                  SideGridOptions options = {}, QObject* parent = nullptr);

    // Walks the table again. The table is left on the record it stood on when that record is
    // still listed, else past its end.
    void refresh();

    // The row of a record number, or -1; the record number of a row, or 0.
    int rowOfRecord(std::uint32_t recno) const;
    std::uint32_t recordAt(int row) const;
    // The row of the table's current record; -1 when it stands on none listed.
    int currentRow() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QStringList readRow(const std::vector<int>& fields) const;

    xbase::Table& table_;
    std::vector<SideGridColumn> columns_;
    SideGridOptions options_;
    std::vector<std::uint32_t> records_;
    std::vector<QStringList> values_;
};

}  // namespace rp
