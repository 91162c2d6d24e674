#pragma once
// The records a print run goes through: all of them, those of the user's filter, or the current
// one, from the first record or from the current one.
#include <cstdint>

namespace xbase {
class Table;
}

namespace rp {

enum class PrintRecords { All, Filtered, Current };

// Narrows the table's view for a run: the standing condition alone for all records, the current
// record alone ("Recno()=" + current), or the filter in force for the filtered ones.
void selectPrintRecords(xbase::Table& table, PrintRecords records, std::uint32_t current);

// Stands where a run starts: on current when fromCurrent and it is in the view; else on the
// first record, after telling outOfRangeMessage() when fromCurrent. True when on current.
bool goToPrintStart(xbase::Table& table, bool fromCurrent, std::uint32_t current);

}  // namespace rp
