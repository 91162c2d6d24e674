#pragma once
// Building the address file's structural tags (data/AddressLayout.h) with a timer on each.
#include <vector>

#include "xbase/Table.h"

namespace bench {

// Creates every address tag on the table (open exclusively), all in one build, and returns
// for each tag in creation order the seconds from the end of the tag before (or the start) to
// the end of its own: the builds overlap, so their sum is the time of the whole build.
std::vector<double> createAddressTags(xbase::Table& table);

}  // namespace bench
