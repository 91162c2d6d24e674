#pragma once
// The rows of a side table as its grid lists them: record order, records carrying the deletion
// mark left out; the grid's current row is the table's current record.
#include <cstdint>
#include <span>
#include <vector>

#include "data/SideGridModel.h"
#include "envelopes/EnvelopeLayouts.h"

class QTableView;

namespace xbase {
class Table;
}

namespace rp {

// The record numbers the list shows, in record order. The current record is kept.
std::vector<std::uint32_t> listedRecords(xbase::Table& table);

// Goes to the first listed record (past the end when there is none).
void goFirstListed(xbase::Table& table);

// Marks the current record deleted and moves as a grid does: to the next listed record, or
// to the previous one when it was the last, or past the end when none is left.
void deleteCurrentRecord(xbase::Table& table);

// How the envelope grids list their tables: the records listedRecords gives, numeric fields by
// value.
inline constexpr SideGridOptions kEnvelopeGridOptions{.hideDeleted = true, .numbersAsValues = true};

// The grid model columns of a column table of EnvelopeLayouts.h.
std::vector<SideGridColumn> envelopeGridColumns(std::span<const GridColumn> columns);

// Selects the view's row of the table's current record (or none).
void showCurrentRow(QTableView* view, const SideGridModel& model);

}  // namespace rp
