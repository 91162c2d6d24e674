#pragma once
// An editable grid over an open table: one row per record that the table's navigation visits
// (its order and filter honoured), the given fields as columns. Values are read when the
// model is refreshed and kept; an edited cell writes into the table's record buffer, and the
// edit reaches the file with post(), or when another record is edited (the table posts
// before it moves), and is dropped with cancel(). New rows are appended at the end.
#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace xbase {
class Table;
}

namespace rp {

class RecordGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    struct Column {
        const char* field;
        QString caption;
    };
    RecordGridModel(xbase::Table& table, std::vector<Column> columns, QObject* parent = nullptr);

    // Walks the table again; it is left at its first record.
    void refresh();
    std::uint32_t recordAt(int row) const;

    // Starts a new blank record, shown as the last row; returns that row.
    int appendRow();
    // Posts the edit or the new record; nothing when neither is under way.
    void post();
    // Drops the edit (the row shows the stored values again) or the new record (its row goes).
    void cancel();
    // Sets the deletion mark on the row's record and removes the row.
    void deleteRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  private:
    QStringList readRow() const;
    int rowOfCurrent() const;
    bool changing() const;

    xbase::Table& table_;
    std::vector<Column> columns_;
    std::vector<std::uint32_t> records_;
    std::vector<QStringList> values_;
};

}  // namespace rp
