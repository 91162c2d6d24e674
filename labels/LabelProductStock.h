#pragma once
// Putting a label product into the label definition file RVPLBLS.DBF.
#include <cstdint>

namespace xbase {
class Table;
}

namespace rp {

struct LabelProduct;

struct AddedLabelProduct {
    std::uint32_t record = 0;  // the stock's row; 0 when nothing was stored
    bool alreadyThere = false;
};

// The row of a stock of the file (among those the table shows) whose name begins with the
// product's brand and part as words ("Avery 5163  Shipping, ..." for Avery 5163), letter case
// ignored; 0 when there is none. Leaves the table on that row, or at its end.
std::uint32_t findLabelProductStock(xbase::Table& stocks, const LabelProduct& product);

// Stands on the product's stock: the one already in the file, or a new user-defined row with
// the product's stock. Returns 0 for record when the name could not be stored (the user is
// told); throws xbase::Error for a write the file refuses.
AddedLabelProduct addLabelProduct(xbase::Table& stocks, const LabelProduct& product);

}  // namespace rp
