#pragma once
// The address file's tags around an import: dropped before the first record is appended, so
// that no tag is kept up to date record by record, and all built afresh once at the end.
#include <functional>

#include "data/AddressTable.h"

namespace rp {

// Deletes the table's structural index file when it has one. Should that fail, the index stays
// and is kept up to date while the records are appended.
void dropProductionIndex(xbase::Table& table);

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

// Builds every tag of the address file (createAddressTags); gauge receives each gauge value.
// On failure the user is told "Error rebuilding indexes" and the result is false.
bool rebuildImportedTags(AddressTable& table, const std::function<void(int percent)>& gauge);

}  // namespace rp
