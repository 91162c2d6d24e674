#include "envelopes/SideRows.h"

#include <QCoreApplication>

namespace rp {

std::vector<SideGridColumn> envelopeGridColumns(std::span<const GridColumn> columns) {
    std::vector<SideGridColumn> result;
    result.reserve(columns.size());
    for (const GridColumn& c : columns)
        result.push_back({c.field, QCoreApplication::translate("EnvelopeLayouts", c.title)});
    return result;
}

}  // namespace rp
