#include "data/SideGridModel.h"

#include <algorithm>

#include "data/FieldText.h"
#include "xbase/Table.h"

namespace rp {

SideGridModel::SideGridModel(xbase::Table& table, std::vector<SideGridColumn> columns,
                             SideGridOptions options, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)), options_(options) {
    refresh();
}

void SideGridModel::refresh() {
    beginResetModel();
    records_.clear();
    values_.clear();
    const std::uint32_t was = table_.eof() ? 0 : table_.recNo();
    std::vector<int> fields;
    fields.reserve(columns_.size());
    for (const SideGridColumn& c : columns_) fields.push_back(table_.fieldNumber(c.field));
    bool wasListed = false;
    for (table_.goTop(); !table_.eof(); table_.skip()) {
        if (options_.hideDeleted && table_.deleted()) continue;
        records_.push_back(table_.recNo());
        wasListed = wasListed || table_.recNo() == was;
        values_.push_back(readRow(fields));
    }
    // The walk ended past the last record, where a record no longer listed leaves the table.
    if (wasListed) table_.go(was);
    endResetModel();
}

QStringList SideGridModel::readRow(const std::vector<int>& fields) const {
    QStringList row;
    for (int n : fields) {
        if (n == 0)
            row << QString();
        else if (options_.numbersAsValues && table_.field(n).type == 'N')
            row << (table_.isEmpty(n) ? QString() : QString::number(table_.number(n)));
        else
            row << fromFieldBytes(table_.text(n));
    }
    return row;
}

int SideGridModel::rowOfRecord(std::uint32_t recno) const {
    const auto at = std::find(records_.begin(), records_.end(), recno);
    return at == records_.end() ? -1 : static_cast<int>(at - records_.begin());
}

std::uint32_t SideGridModel::recordAt(int row) const {
    return row >= 0 && row < static_cast<int>(records_.size())
               ? records_[static_cast<std::size_t>(row)]
               : 0;
}

int SideGridModel::currentRow() const {
    if (!table_.isOpen() || table_.eof()) return -1;
    if (options_.hideDeleted && table_.deleted()) return -1;
    return rowOfRecord(table_.recNo());
}

int SideGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int SideGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant SideGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return values_[static_cast<std::size_t>(index.row())].value(index.column());
}

QVariant SideGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    if (section < 0 || section >= static_cast<int>(columns_.size())) return {};
    return columns_[static_cast<std::size_t>(section)].title;
}

}  // namespace rp
