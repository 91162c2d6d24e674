#pragma once
// The records of a DBF file for a browsing grid: one row per record in record order, one
// column per field, each cell the field's text. A cell that cannot be read stays empty; the
// first such error is told once, after the paint.
#include <QAbstractTableModel>

namespace xbase {
class Table;
}

namespace rp {

class ModelErrorReport;

class DbfBrowseModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    DbfBrowseModel(xbase::Table& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    xbase::Table& table_;
    ModelErrorReport* errors_;
};

}  // namespace rp
