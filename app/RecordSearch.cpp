#include "app/RecordSearch.h"

#include <QCoreApplication>

#include "data/DateText.h"
#include "data/FieldText.h"
#include "data/TableRestore.h"
#include "data/Transliteration.h"
#include "framework/Messages.h"
#include "xbase/Ascii.h"
#include "xbase/Table.h"

namespace rp {

SearchKeyResult searchKey(const QString& orderTag, const QString& input,
                          const QString& dateFormat) {
    using Kind = SearchKeyResult::Kind;
    if (orderTag == QLatin1String("DATE")) {
        const auto day = parseDate(input, dateFormat);
        if (!day || *day == 0) return {Kind::InvalidDate, {}};
        return {Kind::Key, xbase::toDtos(*day)};
    }
    // Typed as the file stores it: "Nguyễn" seeks "Nguyen".
    const auto bytes = toFieldBytes(closeSpelling(input));
    if (!bytes) return {Kind::Unstorable, {}};
    return {Kind::Key, xbase::upperAscii(*bytes)};
}

bool seekKeepingPlace(xbase::Table& table, const std::string& key) {
    if (table.order() == 0) return false;
    // Exact matching off and soft seek on for this seek only.
    TableRestore restore(table, TableRestore::Record::Leave);
    table.engine().settings.exact = false;
    table.engine().settings.softSeek = true;
    if (table.seek(key)) return true;
    restore.restoreRecord();
    return false;
}

bool searchFor(xbase::Table& table, const QString& orderTag, const QString& input,
               const QString& dateFormat) {
    if (input.isEmpty()) return false;
    const SearchKeyResult k = searchKey(orderTag, input, dateFormat);
    switch (k.kind) {
        case SearchKeyResult::Kind::InvalidDate:
            showInformation(QCoreApplication::translate("RecordSearch", "Invalid date entered"));
            return false;
        case SearchKeyResult::Kind::Unstorable:
            return false;
        case SearchKeyResult::Kind::Key:
            break;
    }
    return seekKeepingPlace(table, k.key);
}

}  // namespace rp
