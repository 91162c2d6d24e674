#pragma once
// The rows of a side table as its grid lists them: record order, records carrying the deletion
// mark left out; the grid's current row is the table's current record.
#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "envelopes/EnvelopeLayouts.h"

class QTableView;

namespace xbase {
class Table;
}

namespace rp {

// The record numbers the list shows, in record order. The current record is kept.
std::vector<std::uint32_t> listedRecords(xbase::Table& table);

// Goes to the first listed record (past the end when there is none).
void goFirstListed(xbase::Table& table);

// Marks the current record deleted and moves as a grid does: to the next listed record, or
// to the previous one when it was the last, or past the end when none is left.
void deleteCurrentRecord(xbase::Table& table);

// A read-only grid model of some fields of a side table. The values are taken when the model
// is refreshed; refresh() after every change of the table.
class SideRowsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    template <std::size_t N>
    SideRowsModel(xbase::Table& table, const GridColumn (&columns)[N], QObject* parent = nullptr)
        : SideRowsModel(table, std::vector<GridColumn>(columns, columns + N), parent) {}
    SideRowsModel(xbase::Table& table, std::vector<GridColumn> columns, QObject* parent = nullptr);

    void refresh();
    // The row of the table's current record; -1 when it stands on none listed.
    int currentRow() const;
    std::uint32_t recordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    xbase::Table& table_;
    std::vector<GridColumn> columns_;
    std::vector<std::uint32_t> records_;
    std::vector<QStringList> values_;
};

// Selects the view's row of the table's current record (or none).
void showCurrentRow(QTableView* view, const SideRowsModel& model);

}  // namespace rp
