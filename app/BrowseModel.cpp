#include "app/BrowseModel.h"

#include "data/FieldText.h"
#include "data/TableRestore.h"
#include "xbase/Error.h"

namespace rp {
namespace {

struct Column {
    const char* title;
    const char* field;
    int chars;
};

constexpr std::array<Column, BrowseModel::kColumnCount> kColumns = {{
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Last Name"), "LNAME", 20},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "First Name"), "FNAME", 15},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Middle"), "MIDDLE", 1},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Organization"), "ORG", 20},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "City"), "CITY", 15},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Zip/Postal Code"), "ZIP", 4},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Street Address"), "STREET", 20},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "PREFIX"), "PREFIX", 4},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "State"), "STATE", 20},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Title"), "TITLE", 20},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Country"), "COUNTRY", 15},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Phone"), "PHONE", 15},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Codes"), "NOTES", 15},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Email"), "EMAIL", 30},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "Fax"), "FAX", 30},
    {QT_TRANSLATE_NOOP("rp::BrowseModel", "DATE"), "DATE", 10},
}};

}  // namespace

BrowseModel::BrowseModel(AddressTable& table, DateText dateText, QObject* parent)
    : QAbstractTableModel(parent), table_(table), dateText_(std::move(dateText)) {
    reset();
}

int BrowseModel::columnChars(int column) {
    return column >= 0 && column < kColumnCount ? kColumns[static_cast<std::size_t>(column)].chars
                                                : 0;
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows_ ? 0 : rows_->rows();
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return tr(kColumns[static_cast<std::size_t>(section)].title);
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const QStringList* values = valuesOf(recordAt(index.row()));
    return values ? QVariant(values->at(index.column())) : QVariant();
}

void BrowseModel::reset() {
    beginResetModel();
    rows_.reset();
    values_.clear();
    valuesRead_.clear();
    if (table_.isOpen() && !table_->editing()) {
        xbase::Table& t = table_.table();
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            fields_[c] = t.fieldNumber(kColumns[c].field);
        try {
            rows_.emplace(t, static_cast<int>(t.visibleCount()));
        } catch (const xbase::Error&) {
            // No rows for a file that cannot be counted; the main window's own moves report it.
        }
    }
    endResetModel();
}

RowWindow* BrowseModel::readableRows() const {
    if (frozen_ || !rows_ || !table_.isOpen() || &table_.table() != &rows_->table() ||
        table_->editing())
        return nullptr;
    return &*rows_;
}

std::uint32_t BrowseModel::recordAt(int row) const {
    RowWindow* rows = readableRows();
    if (!rows) return 0;
    try {
        return rows->recordAt(row);
    } catch (const xbase::Error&) {
        return 0;  // a damaged file shows blank rows; the main window's own moves report it
    }
}

int BrowseModel::rowOf(std::uint32_t recno) const {
    RowWindow* rows = readableRows();
    if (!rows) return -1;
    try {
        return rows->rowOf(recno);
    } catch (const xbase::Error&) {
        return -1;  // as recordAt: no row, and the main window's own moves report the cause
    }
}

const QStringList* BrowseModel::valuesOf(std::uint32_t recno) const {
    if (recno == 0) return nullptr;
    if (const auto at = values_.constFind(recno); at != values_.cend()) return &*at;
    RowWindow* rows = readableRows();
    if (!rows) return nullptr;
    QStringList values;
    try {
        TableRestore saved(rows->table());
        rows->table().go(recno);
        values = readValues();
    } catch (const xbase::Error&) {
        return nullptr;  // as recordAt: a blank row, and the main window's moves report the cause
    }
    if (valuesRead_.size() >= static_cast<std::size_t>(kCachedRecords)) {
        values_.remove(valuesRead_.front());
        valuesRead_.pop_front();
    }
    valuesRead_.push_back(recno);
    return &*values_.insert(recno, values);
}

QStringList BrowseModel::readValues() const {
    const xbase::Table& t = table_.table();
    QStringList values;
    values.reserve(kColumnCount);
    for (const int field : fields_) {
        if (t.field(field).type == 'D') {
            const xbase::JulianDay day = t.date(field);
            values.append(day == 0 ? QString() : dateText_(day));
        } else {
            values.append(fromFieldBytes(t.text(field)));
        }
    }
    return values;
}

}  // namespace rp
