#pragma once
// Building the address file's structural tags (data/AddressLayout.h) with a timer on each.
#include <vector>

#include "xbase/Table.h"

namespace bench {

// Creates every address tag on the table (open exclusively) and returns the seconds each
// build took, in creation order.
std::vector<double> createAddressTags(xbase::Table& table);

}  // namespace bench
