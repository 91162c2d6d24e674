#pragma once
// Field references: the node that reads field n (1-based) of the current record.
#include "xbase/Field.h"
#include "xbase/internal/ExprNode.h"

namespace xbase::expr {

// C fields (and types without a reading of their own) are text, M and G memo text; N, F and
// the Visual FoxPro I, B and Y numbers; D and the Visual FoxPro T dates; L logical.
NodePtr makeField(const Field& field, int number);

}  // namespace xbase::expr
