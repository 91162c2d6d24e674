#pragma once
// The records a side table's list shows: record order, records carrying the deletion mark left
// out. The list's current row is the table's current record.
#include <cstdint>
#include <vector>

namespace xbase {
class Table;
}

namespace rp {

// Whether the table stands on a record (not past the end of an empty or exhausted file, and
// not on one carrying the deletion mark).
bool hasCurrentRecord(const xbase::Table& table);

// The record numbers the list shows, in record order. The current record is kept.
std::vector<std::uint32_t> listedRecords(xbase::Table& table);

// Goes to the first listed record (past the end when there is none).
void goFirstListed(xbase::Table& table);

// Marks the current record deleted and moves as a list does: to the next listed record, or
// to the previous one when it was the last, or past the end when none is left.
void deleteCurrentRecord(xbase::Table& table);

}  // namespace rp
