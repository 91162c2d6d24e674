#include "utilities/RecordGridModel.h"

#include <algorithm>
#include <exception>

#include "data/RecordText.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {

RecordGridModel::RecordGridModel(xbase::Table& table, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)) {
    refresh();
}

QStringList RecordGridModel::readRow() const {
    QStringList row;
    for (const Column& c : columns_) row << fieldText(table_, c.field);
    return row;
}

void RecordGridModel::refresh() {
    beginResetModel();
    records_.clear();
    values_.clear();
    for (table_.goTop(); !table_.eof(); table_.skip()) {
        records_.push_back(table_.recNo());
        values_.push_back(readRow());
    }
    table_.goTop();
    endResetModel();
}

std::uint32_t RecordGridModel::recordAt(int row) const {
    return row >= 0 && row < rowCount() ? records_[static_cast<std::size_t>(row)] : 0;
}

bool RecordGridModel::changing() const {
    return table_.editing() || table_.appending();
}

int RecordGridModel::rowOfCurrent() const {
    const auto it = std::find(records_.begin(), records_.end(), table_.recNo());
    return it == records_.end() ? -1 : static_cast<int>(it - records_.begin());
}

int RecordGridModel::appendRow() {
    table_.appendBlank();
    const int row = rowCount();
    beginInsertRows({}, row, row);
    records_.push_back(table_.recNo());
    values_.push_back(readRow());
    endInsertRows();
    return row;
}

void RecordGridModel::post() {
    if (changing()) table_.post();
}

void RecordGridModel::cancel() {
    if (!changing()) return;
    const bool appending = table_.appending();
    const int row = rowOfCurrent();
    table_.cancel();
    if (row < 0) return;
    if (appending) {
        beginRemoveRows({}, row, row);
        records_.erase(records_.begin() + row);
        values_.erase(values_.begin() + row);
        endRemoveRows();
        return;
    }
    values_[static_cast<std::size_t>(row)] = readRow();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RecordGridModel::deleteRow(int row) {
    if (row < 0 || row >= rowCount()) return;
    try {
        if (table_.appending() && rowOfCurrent() == row) {
            cancel();
            return;
        }
        table_.go(recordAt(row));
        table_.deleteRecord();
    } catch (const std::exception& e) {
        showError(e);
        return;
    }
    beginRemoveRows({}, row, row);
    records_.erase(records_.begin() + row);
    values_.erase(values_.begin() + row);
    endRemoveRows();
}

int RecordGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int RecordGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return values_[static_cast<std::size_t>(index.row())][index.column()];
}

QVariant RecordGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return {};
    return columns_[static_cast<std::size_t>(section)].caption;
}

Qt::ItemFlags RecordGridModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool RecordGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int row = index.row();
    const char* field = columns_[static_cast<std::size_t>(index.column())].field;
    try {
        // Another record's edit is posted by the move; a new record being filled is the
        // current record already.
        if (!(changing() && table_.recNo() == recordAt(row))) table_.go(recordAt(row));
        setFieldText(table_, field, value.toString());
    } catch (const UnstorableText& e) {
        showInformation(errorText(e));
        return false;
    } catch (const std::exception& e) {
        showError(e);
        return false;
    }
    values_[static_cast<std::size_t>(row)][index.column()] = fieldText(table_, field);
    emit dataChanged(index, index);
    return true;
}

}  // namespace rp
