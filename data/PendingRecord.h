#pragma once
// A scope that fills one record of a table field by field: a new record, appended when the
// scope begins, or the current record. Unless the record is posted before the scope ends, the
// change is cancelled when it ends, however it ends (a value the engine refuses, a text the
// code page cannot hold, an early return): no blank or half-filled record reaches the file and
// the record count stays as it was. An edit that was already pending when the scope began is
// the caller's and is left alone.
namespace xbase {
class Table;
}

namespace rp {

class PendingRecord {
  public:
    enum class Target { NewRecord, CurrentRecord };

    PendingRecord(xbase::Table& table, Target target);
    ~PendingRecord();
    PendingRecord(const PendingRecord&) = delete;
    PendingRecord& operator=(const PendingRecord&) = delete;

  private:
    xbase::Table& table_;
    bool callersEdit_;
};

}  // namespace rp
