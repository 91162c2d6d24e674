#pragma once
// How the envelope grids list their side tables (data/ListedRecords.h has the rows).
#include <span>
#include <vector>

#include "data/ListedRecords.h"
#include "data/SideGridModel.h"
#include "envelopes/EnvelopeLayouts.h"

namespace rp {

// How the envelope grids list their tables: the records listedRecords gives, numeric fields by
// value.
inline constexpr SideGridOptions kEnvelopeGridOptions{.hideDeleted = true, .numbersAsValues = true};

// The grid model columns of a column table of EnvelopeLayouts.h.
std::vector<SideGridColumn> envelopeGridColumns(std::span<const GridColumn> columns);

}  // namespace rp
