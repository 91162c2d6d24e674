#pragma once
// Comparisons: the xBase rules for texts, and the comparison operator nodes.
#include <string_view>

#include "xbase/internal/ExprLexer.h"
#include "xbase/internal/ExprNode.h"

namespace xbase::expr {

// Three-way byte-wise (unsigned) comparison of texts as "=" and the ordering operators see them.
// With exact off only as many characters as the right text has take part ("BROWNING" equals
// "BROWN", anything equals ""), a left text shorter than that comparing as smaller; with exact
// on the shorter text is padded with blanks.
int compareText(std::string_view left, std::string_view right, bool exact);

// "==": the whole texts, trailing blanks ignored.
bool sameText(std::string_view left, std::string_view right);

// = == <> < <= > >= on two texts, numbers, dates (or logicals for = == <>), and $ (left text
// contained in the right one).
NodePtr makeComparison(const Token& op, Operand left, Operand right, const Source& src);

}  // namespace xbase::expr
