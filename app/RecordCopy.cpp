#include "app/RecordCopy.h"

#include "xbase/Table.h"

namespace rp {
namespace {

constexpr const char* kCopiedTexts[] = {"LNAME",   "FNAME",  "MIDDLE", "PREFIX", "TITLE",
                                        "ORG",     "STREET", "CITY",   "STATE",  "ZIP",
                                        "COUNTRY", "PHONE",  "EMAIL",  "FAX",    "NOTES"};

}  // namespace

RecordCopy readRecordCopy(const xbase::Table& table) {
    RecordCopy copy;
    for (const char* name : kCopiedTexts) {
        const int n = table.fieldNumber(name);
        copy.texts.emplace_back(n, table.text(n));
    }
    copy.date = table.date("DATE");
    copy.memo = table.memo("MEMO");
    return copy;
}

void putRecordCopy(xbase::Table& table, const RecordCopy& copy) {
    for (const auto& [n, text] : copy.texts) table.setText(n, text);
    if (copy.date == 0)
        table.setEmpty(table.fieldNumber("DATE"));
    else
        table.setDate("DATE", copy.date);
    table.setMemo("MEMO", copy.memo);
}

}  // namespace rp
