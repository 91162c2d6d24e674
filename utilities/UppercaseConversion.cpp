#include "utilities/UppercaseConversion.h"

#include "data/AddressLayout.h"
#include "data/TableRestore.h"
#include "xbase/Table.h"

#include <QtGlobal>

namespace rp {

const std::array<UppercaseField, 11>& uppercaseFields() {
    static const std::array<UppercaseField, 11> fields{{
        {"LNAME", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Last")},
        {"FNAME", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "First")},
        {"MIDDLE", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Middle")},
        {"TITLE", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Title")},
        {"ORG", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Organization")},
        {"STREET", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Street")},
        {"CITY", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "City")},
        {"STATE", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "State/Province")},
        {"ZIP", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Zip/Postal Code")},
        {"COUNTRY", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Country")},
        {"PREFIX", QT_TRANSLATE_NOOP("rp::ConvertToUppercaseDialog", "Prefix")},
    }};
    return fields;
}

std::string upperAscii(std::string_view bytes) {
    std::string out(bytes);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::uint32_t convertToUppercase(xbase::Table& table, const std::vector<std::string>& fields,
                                 ConvertScope scope, const BulkHooks& hooks) {
    TableRestore restore(table);
    if (scope == ConvertScope::AllRecords) table.setFilter(kStandingCondition.toStdString());
    BulkProgress progress(hooks, table.visibleCount());
    if (scope != ConvertScope::CurrentRecord) table.goTop();
    while (!table.eof()) {
        for (const std::string& field : fields) table.setText(field, upperAscii(table.text(field)));
        table.post();
        progress.recordDone();
        if (scope == ConvertScope::CurrentRecord) break;
        table.skip();
        if (!progress.keepGoing()) break;
    }
    // The run ends with its changes on disk, the indexes included.
    table.commit();
    return progress.done();
}

}  // namespace rp
