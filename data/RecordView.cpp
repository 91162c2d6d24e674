#include "data/RecordView.h"

#include "xbase/Table.h"

namespace rp {

bool recordInView(const xbase::Table& table) {
    if (table.eof()) return false;
    if (table.engine().settings.hideDeleted && table.deleted()) return false;
    if (table.filter().empty()) return true;
    return table.compile(table.filter()).evalLogical(table, table.engine().settings);
}

}  // namespace rp
