#pragma once
// The text being compiled, for error messages that quote it with a 1-based position.
#include <cstddef>
#include <string>
#include <string_view>

#include "xbase/Error.h"

namespace xbase::expr {

class Source {
  public:
    explicit Source(std::string_view text) : text_(text) {}
    std::string_view text() const { return text_; }

    // Throws ExpressionError reading "<problem> at position <offset + 1> in: <text>". NUL bytes
    // (in the text or in a piece of it quoted by the problem) show as "?" so that the message
    // stays one C string.
    [[noreturn]] void fail(const std::string& problem, std::size_t offset) const {
        std::string message = problem + " at position " + std::to_string(offset + 1) + " in: ";
        message += text_;
        for (char& c : message) c = c == '\0' ? '?' : c;
        throw ExpressionError(message, std::string(text_), offset + 1);
    }

  private:
    std::string_view text_;
};

}  // namespace xbase::expr
