#pragma once
// Opening the address file again to itself, for the commands that need it alone (imports,
// the repairs, the bulk changes, rebuilding the indexes) while the window may have it open
// shared with other users.
#include <QString>

#include "data/AddressTable.h"

namespace rp {

// Opens the address file at path exclusively into table. False when it cannot be had alone
// (another user or program has it open, or it does not open at all), after telling the user
// the open's notices and then "Unable to open this file exclusively. Possibly in use by another
// program or user" with the engine's text on a second line; table is closed then.
bool reopenExclusively(const QString& path, AddressTable& table);

}  // namespace rp
