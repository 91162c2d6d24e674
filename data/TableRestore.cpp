#include "data/TableRestore.h"

#include "xbase/Table.h"

namespace rp {

TableRestore::TableRestore(xbase::Table& table, Record record)
    : table_(table),
      record_(record),
      editing_(table.editing()),
      query_(table.filter()),
      order_(table.order()),
      settings_(table.engine().settings),
      recno_(table.recNo()),
      bof_(table.bof()),
      eof_(table.eof()) {}

TableRestore::~TableRestore() {
    // Each part on its own, so that one that fails does not keep the others from going back.
    const auto attempt = [](auto&& step) {
        try {
            step();
        } catch (...) {
            // A destructor has no one to tell; the fault meets the table's next move.
        }
    };
    attempt([this] {
        if (!editing_ && table_.editing()) table_.cancel();
    });
    xbase::Settings& settings = table_.engine().settings;
    settings.exact = settings_.exact;
    settings.softSeek = settings_.softSeek;
    settings.hideDeleted = settings_.hideDeleted;
    // The query and the order are set again only when they changed: setting them costs a query
    // plan or an index look-up, and the browse grid restores for every row it reads.
    attempt([this] {
        if (table_.filter() != query_) table_.setFilter(query_);
    });
    attempt([this] {
        if (table_.order() != order_) table_.setOrder(order_);
    });
    if (record_ == Record::Restore) attempt([this] { restoreRecord(); });
}

void TableRestore::restoreRecord() {
    // go() stands on the record (or past the end) and clears bof; a skip back from the first
    // record sets it again without moving. From any other record it moves, and the record
    // matters more than the mark.
    table_.go(recno_);
    if (bof_ && !eof_) {
        table_.skip(-1);
        if (table_.recNo() != recno_) table_.go(recno_);
    }
}

}  // namespace rp
