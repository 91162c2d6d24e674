#include "import/DbfBrowseModel.h"

#include "data/FieldText.h"
#include "framework/ModelErrorReport.h"
#include "xbase/Table.h"

namespace rp {

DbfBrowseModel::DbfBrowseModel(xbase::Table& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table), errors_(new ModelErrorReport(this)) {}

int DbfBrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.recordCount());
}

int DbfBrowseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.fieldCount();
}

QVariant DbfBrowseModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return errors_->read(
        [&]() -> QVariant {
            table_.go(static_cast<std::uint32_t>(index.row()) + 1);
            return fromFieldBytes(table_.text(index.column() + 1));
        },
        QVariant());
}

QVariant DbfBrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return QString::fromLatin1(table_.field(section + 1).name);
}

}  // namespace rp
