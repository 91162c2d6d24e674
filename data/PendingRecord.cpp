#include "data/PendingRecord.h"

#include "xbase/Table.h"

namespace rp {

PendingRecord::PendingRecord(xbase::Table& table, Target target)
    : table_(table), callersEdit_(target == Target::CurrentRecord && table.editing()) {
    if (target == Target::NewRecord) table_.appendBlank();
}

PendingRecord::~PendingRecord() {
    if (callersEdit_ || !table_.editing()) return;
    try {
        table_.cancel();
    } catch (...) {
        // Cancelling drops the buffer and rereads the record the table stood on. The scope may
        // be ending for a failure already on its way to the user, so this one must not throw;
        // a record that cannot be read reports itself on the next read.
    }
}

}  // namespace rp
