#pragma once
// Whether a run over the address file may start from the record the user stands on.
#include <QString>

namespace xbase {
class Table;
}

namespace rp {

// Told when a run that should start from the current record finds it outside its records.
QString outOfRangeMessage();

// Whether the record the table stands on belongs to its view: not a hidden deleted record,
// and passing the filter. (Going to a record by its number stands on it whatever it holds.)
bool recordInView(const xbase::Table& table);

}  // namespace rp
