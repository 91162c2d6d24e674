#pragma once
// Appending one address record for every line of a delimited text file, each matched column's
// value going into its field; a first line naming the columns is passed over. The file is read
// twice: once to count its lines for the progress, once to import them. Records posted before a
// failure or a cancel stay.
#include <QString>
#include <cstdint>
#include <functional>

#include "framework/BulkProgress.h"
#include "import/AsciiFormat.h"
#include "import/ImportLayout.h"

namespace xbase {
class Table;
}

namespace rp {

struct ImportHooks {
    std::function<void(const QString& text)> status;  // the status line
    BulkHooks bulk;                                   // progress in percent, and the cancel test
};

struct AsciiImportResult {
    enum class Outcome { Complete, Cancelled, ReadError, AnalysisError, WriteError };
    Outcome outcome = Outcome::Complete;
    std::uint32_t lines = 0;               // lines read, the one that failed included
    std::uint32_t written = 0;             // records the import added that the file holds
    std::uint32_t cutValues = 0;           // values cut to their field's width
    std::uint32_t cutLines = 0;            // lines whose characters beyond 2048 were passed over
    std::uint32_t spelledCharacters = 0;   // letters the file cannot hold, in a close spelling
    std::uint32_t replacedCharacters = 0;  // characters without one, stored as "?"
    QString cause;                         // the file's or the engine's text of a failure
};

// Sets the address tags aside (see setAddressTagsAside), counts the lines ("Counting total
// lines"), then imports them ("Importing records"), split at format's delimiter, until the end of
// the file, a cancel or a failure. A record whose line fails is not kept; a line that is not text
// (see isTextLine) fails. A character the address file cannot hold is stored as "?" and counted.
AsciiImportResult importAsciiFile(xbase::Table& table, const QString& path,
                                  const ImportLayout& layout, const ImportHooks& hooks = {},
                                  const AsciiFormat& format = {});

// The message that closes the import, e.g. "Import complete. Imported 12 records."; a failure's
// cause follows on a second line.
QString asciiImportMessage(const AsciiImportResult& result);

// What was replaced or cut while importing, told after the closing message; empty when
// nothing was.
QString asciiImportNotes(const AsciiImportResult& result);

}  // namespace rp
