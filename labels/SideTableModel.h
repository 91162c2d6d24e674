#pragma once
// A read-only grid model over an open side table: one row per record that the table's
// navigation visits (its order and filter honoured), in that order, and the given columns.
// Values are read when the model is refreshed; refresh after every change of the table.
#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace xbase {
class Table;
}

namespace rp {

class SideTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Column {
        const char* field;
        QString caption;
    };
    SideTableModel(xbase::Table& table, std::vector<Column> columns, QObject* parent = nullptr);

    // Walks the table again. The table is left on the record it stood on when that record is
    // still listed, else at its end.
    void refresh();

    // The row of a record number, or -1; the record number of a row, or 0.
    int rowOfRecord(std::uint32_t recno) const;
    std::uint32_t recordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    xbase::Table& table_;
    std::vector<Column> columns_;
    std::vector<std::uint32_t> records_;
    std::vector<QStringList> values_;
};

}  // namespace rp
