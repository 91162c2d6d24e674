#pragma once
// Builds the nodes for operators, checking the operand types; messages point at the operator.
#include <vector>

#include "xbase/internal/ExprLexer.h"
#include "xbase/internal/ExprNode.h"

namespace xbase::expr {

// Unary + and - (numbers only).
NodePtr makeSign(const Token& op, Operand operand, const Source& src);
// .NOT. / ! / NOT.
NodePtr makeNot(const Token& op, Operand operand, const Source& src);
// A chain of .AND. or .OR. operands, evaluated left to right until the result is known.
NodePtr makeLogicalChain(const Token& op, std::vector<Operand> operands, const Source& src);
// + - * / %: numbers, texts (+ concatenates, - moves the left text's trailing blanks to the
// end), and dates (date + days, date - days, date - date).
NodePtr makeArithmetic(const Token& op, Operand left, Operand right, const Source& src);

}  // namespace xbase::expr
