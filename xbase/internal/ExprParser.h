#pragma once
// Recursive-descent parser from expression text to a checked node tree. Precedence, loosest
// first: .OR.; .AND.; .NOT.; comparisons; + -; * / %; unary + -.
#include <string_view>

#include "xbase/Field.h"
#include "xbase/internal/ExprNode.h"

namespace xbase::expr {

// Throws ExpressionError for anything that is not a well-typed expression over these fields.
NodePtr parse(std::string_view text, const FieldList& fields);

}  // namespace xbase::expr
