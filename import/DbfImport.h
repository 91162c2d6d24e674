#pragma once
// Appending one address record for every record of another DBF file: opening the source,
// its fields as the import layout, and the import itself. Records posted before a failure or
// a cancel stay.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "import/AsciiImport.h"
#include "import/ImportLayout.h"

namespace xbase {
class Table;
}

namespace rp {

class AddressTable;

struct DbfSource {
    std::unique_ptr<xbase::Table> table;  // open read-only; null when refused
    QString refusal;                      // the message telling why, when refused
};

// Opens path read-only with the address file's engine, without its index when that cannot be
// used. Refused with "Unable to open the file "
// + path when it cannot be opened or is the address file itself, and with "There are no
// records in " + path when it holds no records.
DbfSource openDbfSource(AddressTable& address, const QString& path);

// One column per source field: its type letter, name, width and no match.
ImportLayout dbfImportLayout(const xbase::Table& source);

struct DbfImportResult {
    enum class Outcome { Complete, Cancelled, Failed };
    Outcome outcome = Outcome::Complete;
    std::uint32_t records = 0;  // records imported: after a failure, those the file holds
    QString cause;              // the engine's text of a failure
};

// Sets the address tags aside (see setAddressTagsAside), then appends a record for every
// record of the source not marked deleted ("Importing records"), until the end, a cancel or
// a failure. Matched memo fields replace the memo, matched dates are stored when not blank,
// and other fields' text is stored when not empty, cut to the width of its field. The gauge
// shows the source record number in percent of the source's record count.
DbfImportResult importDbfFile(xbase::Table& target, xbase::Table& source,
                              const ImportLayout& layout, const ImportHooks& hooks = {});

// The messages that close the import, in order: "Unknown error while importing." after a
// failure (with its cause on a second line when there is one), then the count, e.g. "Import
// complete. Imported 12 records.".
QStringList dbfImportMessages(const DbfImportResult& result);

}  // namespace rp
