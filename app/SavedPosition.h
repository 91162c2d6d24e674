#pragma once
// Puts a table back where it stood: the grid reads records through the table the main window
// navigates, and the main window relies on its current record. Reading rows never changes the
// order, the filter or the scope, so the record and the bof and eof marks are all there is to
// put back.
#include <cstdint>

#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {

class SavedPosition {
public:
    explicit SavedPosition(xbase::Table& table)
        : table_(table), recno_(table.recNo()), bof_(table.bof()), eof_(table.eof())
    {
    }
    SavedPosition(const SavedPosition&) = delete;
    SavedPosition& operator=(const SavedPosition&) = delete;

    ~SavedPosition()
    {
        try {
            // go() stands on the record (or past the end) and clears bof; a skip back from
            // the first record sets it again without moving. From any other record it
            // moves, and the record matters more than the mark.
            table_.go(recno_);
            if (bof_ && !eof_) {
                table_.skip(-1);
                if (table_.recNo() != recno_) table_.go(recno_);
            }
        } catch (const xbase::Error&) {
            // A file that cannot be read here fails the main window's next move as well,
            // which reports it; a destructor has no one to tell.
        }
    }

private:
    xbase::Table& table_;
    std::uint32_t recno_;
    bool bof_;
    bool eof_;
};

}  // namespace rp
