#pragma once
// Rebuild Indexes: packs the open address file, which removes its deleted records for good,
// and builds its 21 tags afresh; then packs each side table and builds its one tag afresh.
#include <QString>
#include <functional>

#include "app/ReindexProgress.h"
#include "data/AddressTable.h"

namespace rp {

// Takes each status line as the work reaches it.
using StatusFn = std::function<void(const QString& text)>;
// Takes each new gauge value, 0 to 100.
using GaugeFn = std::function<void(int value)>;

// Deletes the address file's index file, packs the file and creates its tags; the table stays
// open, in natural order. The gauge follows the pack, then the whole run of tags, as progress
// turns the engine's values (progress starts reset; the caller resets it when done). When the
// tags cannot be made the user is told "Unable to create index files".
void rebuildAddressIndexes(AddressTable& table, ReindexProgress& progress, const StatusFn& status,
                           const GaugeFn& gauge);

// For each side table in sideFolder: deletes its index file, packs it and creates its tag.
// A table that is missing or cannot be opened or rebuilt is passed over without a message.
void rebuildSideIndexes(xbase::Engine& engine, const QString& sideFolder, const StatusFn& status);

}  // namespace rp
