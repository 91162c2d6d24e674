#pragma once
// The Browse page's rows: the open address file as its navigation shows it (current order,
// filter, hidden deleted records), one row per record, read only as rows are shown.
//
// Rows are found through a RowWindow (see there for how far rows are reached) and the values
// of the last few hundred records shown are kept, so painting does not read the file again.
// Reading never leaves the table's current record moved. While the table has an edit under
// way nothing is read or counted, as moving would post the edit. A file that cannot be read
// shows blank rows (or none, when it cannot be counted).
//
// The owner calls reset() whenever the table changes under the grid: a record posted,
// deleted or recalled, the order, the filter or the hidden-deleted setting changed, another
// file opened or the file closed.
#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "app/RowWindow.h"
#include "data/AddressTable.h"
#include "xbase/DateUtil.h"

namespace rp {

class BrowseModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    // Shows a date field's value; never called for an empty date, which shows as nothing.
    using DateText = std::function<QString(xbase::JulianDay)>;

    static constexpr int kColumnCount = 16;
    // Records whose values are kept.
    static constexpr int kCachedRecords = 400;

    BrowseModel(AddressTable& table, DateText dateText, QObject* parent = nullptr);

    // How many characters wide a column is shown; 0 for a column out of range.
    static int columnChars(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Counts the rows again and forgets every row and value read.
    void reset();
    // While frozen nothing is read (rows show blank), so another part of the program can
    // move through the table; the owner resets the model when it thaws.
    void setFrozen(bool frozen) { frozen_ = frozen; }
    // The record number shown at row; 0 for none.
    std::uint32_t recordAt(int row) const;
    // The row showing the record; -1 when the grid does not show it. Cheap for records near
    // the top, the bottom or the rows last shown.
    int rowOf(std::uint32_t recno) const;

  private:
    // The values of a record's columns; null when the table cannot be read now.
    const QStringList* valuesOf(std::uint32_t recno) const;
    QStringList readValues() const;
    // The row window when it is for the table open now and no edit is under way.
    RowWindow* readableRows() const;

    AddressTable& table_;
    DateText dateText_;
    std::array<int, kColumnCount> fields_{};  // field numbers by column
    mutable std::optional<RowWindow> rows_;   // empty while no file is open
    mutable QHash<std::uint32_t, QStringList> values_;
    mutable std::deque<std::uint32_t> valuesRead_;  // oldest first
    bool frozen_ = false;
};

}  // namespace rp
