#include "labels/SideTableModel.h"

#include "data/FieldText.h"
#include "xbase/Table.h"

namespace rp {

SideTableModel::SideTableModel(xbase::Table& table, std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)) {
    refresh();
}

void SideTableModel::refresh() {
    beginResetModel();
    records_.clear();
    values_.clear();
    const std::uint32_t was = table_.eof() ? 0 : table_.recNo();
    bool wasListed = false;
    for (table_.goTop(); !table_.eof(); table_.skip()) {
        records_.push_back(table_.recNo());
        wasListed = wasListed || table_.recNo() == was;
        QStringList row;
        for (const Column& c : columns_) row << fromFieldBytes(table_.text(c.field));
        values_.push_back(row);
    }
    if (wasListed) table_.go(was);
    endResetModel();
}

int SideTableModel::rowOfRecord(std::uint32_t recno) const {
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (records_[i] == recno) return static_cast<int>(i);
    return -1;
}

std::uint32_t SideTableModel::recordAt(int row) const {
    return row >= 0 && row < static_cast<int>(records_.size())
               ? records_[static_cast<std::size_t>(row)]
               : 0;
}

int SideTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int SideTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant SideTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return values_[static_cast<std::size_t>(index.row())][index.column()];
}

QVariant SideTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < static_cast<int>(columns_.size())
                   ? columns_[static_cast<std::size_t>(section)].caption
                   : QVariant();
    return {};
}

}  // namespace rp
