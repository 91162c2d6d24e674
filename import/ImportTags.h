#pragma once
// The address file's tags around an import: set aside before the first record is appended, so
// that no tag is kept up to date record by record, and all built afresh once at the end.
#include <functional>

#include "data/AddressTable.h"

namespace rp {

// Makes the structural index hold the address tags (creating them when it holds anything else),
// then sets it aside (see xbase::Table::setIndexAside): the header stays marked incomplete until
// rebuildImportedTags, so an import cut short at any moment leaves a table whose next writing
// open rebuilds the tags. Throws xbase::Error when the tags cannot be made or the mark written.
void setAddressTagsAside(xbase::Table& table);

// The gauge while the tags are built. Each tag reports a running value from 0 upwards; a rise
// adds to the sum and a fall starts the next tag. The gauge shows sum / 1800 x 100, rounded,
// and never more than 100.
class TagRebuildGauge {
  public:
    int show(int value);

  private:
    int last_ = 0;
    long sum_ = 0;
};

// Builds every tag of the address file again (the tags set aside, or all of them created
// afresh); gauge receives each gauge value. On failure the user is told "Error rebuilding
// indexes" and the result is false; the header then stays marked for the repair at the next open.
bool rebuildImportedTags(AddressTable& table, const std::function<void(int percent)>& gauge);

}  // namespace rp
