#include "data/ListedRecords.h"

#include <algorithm>

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

bool hasCurrentRecord(const xbase::Table& table) {
    return table.isOpen() && !table.eof() && table.recNo() >= 1 &&
           table.recNo() <= table.recordCount() && !table.deleted();
}

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

}  // namespace rp
