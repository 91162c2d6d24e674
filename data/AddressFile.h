#pragma once
// Creating, opening and checking address files. Every failure is told to the user through
// showInformation with the texts below and reported as false.
#include <QString>
#include <functional>

#include "data/AddressTable.h"

namespace rp {

// Progress while the tags are built: tag number 1-21 and that tag's percent; false stops.
using TagProgress = std::function<bool(int tag, int percent)>;

// Opens any address file into table: "File <path> not found" when it does not exist; false
// without a message when the layout does not match with STATE 20 or 4 wide or it cannot be
// opened (in use, damaged), with the engine's text in *cause when given. A file that was not
// closed properly gets its indexes rebuilt (rebuildProgress reports from 0 to 100) and the user
// is told "The file <path> was not closed properly. Its indexes have been rebuilt.".
bool openAddressTable(const QString& path, AddressTable& table,
                      const xbase::ProgressFn& rebuildProgress = {}, QString* cause = nullptr);

// openAddressTable, then the tag check; sets the LNAME order when every required tag exists,
// else tells the user to rebuild the indexes. True whenever the table is open. When it cannot
// be opened, the engine's text follows the message on a line of its own.
bool openAddressFileChecked(const QString& path, AddressTable& table,
                            const xbase::ProgressFn& rebuildProgress = {});

// Creates a new, empty address file with all tags and leaves it open in table.
bool createAddressFile(const QString& path, AddressTable& table, const TagProgress& progress = {});

// Deletes the table's structural index and creates the 21 tags.
bool createAddressTags(AddressTable& table, const TagProgress& progress = {});

}  // namespace rp
