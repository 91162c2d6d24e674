#pragma once
// Writing a text into an expression as a literal.
#include <string>
#include <string_view>

namespace xbase {

// A character literal that compiles back to exactly this text: in double quotes, in single
// quotes when it holds a double quote, in brackets when it holds both, and as a parenthesised
// "+" chain of such pieces when it holds all three closing quotes.
std::string textLiteral(std::string_view text);

}  // namespace xbase
