#pragma once
// A scope guard that puts a table back as it stood when the guard was made: its query, its
// order, the engine's navigation settings (exact matching, soft seek, hidden deleted records)
// and, unless asked otherwise, its current record with the bof and eof marks. An edit begun
// inside the scope and not posted is dropped. It restores on every way out of the scope,
// an exception's included, and never throws: what cannot be put back stays as it is, and the
// next move on the table meets the same fault and reports it.
#include <cstdint>
#include <string>

#include "xbase/Settings.h"

namespace xbase {
class Table;
}

namespace rp {

class TableRestore {
  public:
    // Whether the record the table stands on is put back when the scope ends.
    enum class Record { Restore, Leave };

    explicit TableRestore(xbase::Table& table, Record record = Record::Restore);
    ~TableRestore();
    TableRestore(const TableRestore&) = delete;
    TableRestore& operator=(const TableRestore&) = delete;

    // Stands on the remembered record again now (it may throw, as any move may).
    void restoreRecord();

  private:
    xbase::Table& table_;
    Record record_;
    bool editing_;
    std::string query_;
    int order_;
    xbase::Settings settings_;
    std::uint32_t recno_;
    bool bof_;
    bool eof_;
};

}  // namespace rp
