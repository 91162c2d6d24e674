#include "data/RecordView.h"

#include <QCoreApplication>

#include "xbase/Table.h"

namespace rp {

QString outOfRangeMessage() {
    return QCoreApplication::translate(
        "RecordView", "Current record is out of range. Starting with first record");
}

bool recordInView(const xbase::Table& table) {
    if (table.eof()) return false;
    if (table.engine().settings.hideDeleted && table.deleted()) return false;
    if (table.filter().empty()) return true;
    return table.compile(table.filter()).evalLogical(table, table.engine().settings);
}

}  // namespace rp
