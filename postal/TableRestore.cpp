#include "postal/TableRestore.h"

#include "xbase/Table.h"

namespace rp {

TableRestore::TableRestore(xbase::Table& table) : table_(table), query_(table.filter()), record_(table.recNo()) {}

TableRestore::~TableRestore()
{
    try {
        if (table_.editing()) table_.cancel();
        table_.setFilter(query_);
        if (record_ > 0 && record_ <= table_.recordCount()) table_.go(record_);
    } catch (...) {
        // The query was in force before, so it compiles; a failing move leaves the table
        // where it is, which the caller's own restoration deals with.
    }
}

}  // namespace rp
