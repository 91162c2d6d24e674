#pragma once
// Finding a label setup of RVPLSU.DBF by its description: matched whole, ignoring letter case
// and trailing blanks.
#include <QString>

#include "labels/LabelSetup.h"

namespace xbase {
class Table;
}

namespace rp {

// The setup whose description matches; throws BatchError listing the descriptions there are
// when none or more than one matches.
LabelSetup findLabelSetup(xbase::Table& setups, const QString& description);

}  // namespace rp
