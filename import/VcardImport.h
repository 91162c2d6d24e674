#pragma once
// Appending one address record for every card of a vCard file read beforehand (see
// VcardReader.h), through the import's fast path: the tags set aside before the first record
// and built once at the end by the caller. Records posted before a failure or a cancel stay.
#include <QString>
#include <cstdint>
#include <vector>

#include "import/AsciiImport.h"
#include "import/VcardReader.h"

namespace xbase {
class Table;
}

namespace rp {

struct VcardImportResult {
    enum class Outcome { Complete, Cancelled, WriteError };
    Outcome outcome = Outcome::Complete;
    std::uint32_t imported = 0;            // cards that became records
    std::uint32_t skipped = 0;             // cards that gave no field a value
    std::uint32_t written = 0;             // records the import added that the file holds
    std::uint32_t cutValues = 0;           // values cut to their field's width
    std::uint32_t spelledCharacters = 0;   // letters the file cannot hold, in a close spelling
    std::uint32_t replacedCharacters = 0;  // characters the file cannot hold, stored as "?"
    QString cause;                         // the engine's text of a failure
};

// Sets the address tags aside (see setAddressTagsAside), then imports the cards ("Importing
// records") until the last, a cancel or a failure.
VcardImportResult importVcards(xbase::Table& table, const std::vector<VcardCard>& cards,
                               const ImportHooks& hooks = {});

// The message that closes the import: how it ended, the cards imported and the cards skipped
// with why; a failure's cause follows on a line of its own.
QString vcardImportMessage(const VcardImportResult& result);

// What was replaced or cut while importing, told after the closing message; empty when
// nothing was.
QString vcardImportNotes(const VcardImportResult& result);

}  // namespace rp
