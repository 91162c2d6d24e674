#include "envelopes/SideRows.h"

namespace rp {

std::vector<SideGridColumn> envelopeGridColumns(std::span<const GridColumn> columns) {
    std::vector<SideGridColumn> result;
    result.reserve(columns.size());
    for (const GridColumn& c : columns) result.push_back({c.field, QString::fromLatin1(c.title)});
    return result;
}

}  // namespace rp
