#include "envelopes/SideRows.h"

#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

#include "data/FieldText.h"
#include "envelopes/EnvelopeSetup.h"
#include "xbase/Table.h"

namespace rp {

namespace {

// Puts the table back on recno, or past the end when recno is 0.
void standOn(xbase::Table& table, std::uint32_t recno) {
    if (recno == 0)
        table.go(table.recordCount() + 1);
    else
        table.go(recno);
}

}  // namespace

std::vector<std::uint32_t> listedRecords(xbase::Table& table) {
    const std::uint32_t current = hasCurrentRecord(table) ? table.recNo() : 0;
    std::vector<std::uint32_t> records;
    for (table.goTop(); !table.eof(); table.skip())
        if (!table.deleted()) records.push_back(table.recNo());
    standOn(table, current);
    return records;
}

void goFirstListed(xbase::Table& table) {
    table.goTop();
    while (!table.eof() && table.deleted()) table.skip();
}

void deleteCurrentRecord(xbase::Table& table) {
    if (!hasCurrentRecord(table)) return;
    const std::vector<std::uint32_t> before = listedRecords(table);
    const auto at = std::find(before.begin(), before.end(), table.recNo());
    table.deleteRecord();
    std::uint32_t next = 0;
    if (at != before.end()) {
        if (at + 1 != before.end())
            next = *(at + 1);
        else if (at != before.begin())
            next = *(at - 1);
    }
    standOn(table, next);
}

SideRowsModel::SideRowsModel(xbase::Table& table, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)) {
    refresh();
}

void SideRowsModel::refresh() {
    beginResetModel();
    records_ = listedRecords(table_);
    values_.clear();
    const std::uint32_t current = hasCurrentRecord(table_) ? table_.recNo() : 0;
    for (std::uint32_t recno : records_) {
        table_.go(recno);
        QStringList row;
        for (const GridColumn& c : columns_) {
            const int n = table_.fieldNumber(c.field);
            if (n == 0) {
                row << QString();
            } else if (table_.field(n).type == 'N') {
                row << (table_.isEmpty(n) ? QString() : QString::number(table_.number(n)));
            } else {
                row << fromFieldBytes(table_.text(n));
            }
        }
        values_.push_back(row);
    }
    standOn(table_, current);
    endResetModel();
}

int SideRowsModel::currentRow() const {
    if (!hasCurrentRecord(table_)) return -1;
    const auto at = std::find(records_.begin(), records_.end(), table_.recNo());
    return at == records_.end() ? -1 : static_cast<int>(at - records_.begin());
}

std::uint32_t SideRowsModel::recordAt(int row) const {
    return row >= 0 && row < static_cast<int>(records_.size())
               ? records_[static_cast<std::size_t>(row)]
               : 0;
}

int SideRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(records_.size());
}

int SideRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant SideRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return values_[static_cast<std::size_t>(index.row())].value(index.column());
}

QVariant SideRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return {};
    if (section < 0 || section >= static_cast<int>(columns_.size())) return {};
    return QString::fromLatin1(columns_[static_cast<std::size_t>(section)].title);
}

void showCurrentRow(QTableView* view, const SideRowsModel& model) {
    const int row = model.currentRow();
    QItemSelectionModel* selection = view->selectionModel();
    const QSignalBlocker block(selection);
    if (row < 0) {
        selection->clear();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex index = model.index(row, 0);
        selection->setCurrentIndex(index,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    }
    view->viewport()->update();
}

}  // namespace rp
