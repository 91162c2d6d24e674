#pragma once
// Splits expression text into tokens, one at a time as the parser asks for them, so that the
// first problem reported is the leftmost one.
#include <cstddef>
#include <string_view>

#include "xbase/internal/ExprSource.h"

namespace xbase::expr {

enum class Tok {
    End,
    Name,    // field, function or alias name
    Number,  // text holds the digits as written
    Text,    // text holds what is between the quotes
    True,    // .T. or .Y.
    False,   // .F. or .N.
    LParen,
    RParen,
    Comma,
    Arrow,  // ->
    Plus,
    Minus,
    Star,
    Slash,
    Percent,
    Equal,       // =
    ExactEqual,  // ==
    NotEqual,    // <> # !=
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Contains,  // $
    Not,       // .NOT. ! NOT
    And,       // .AND. AND
    Or,        // .OR. OR
};

struct Token {
    Tok kind = Tok::End;
    std::size_t offset = 0;  // of the first character, quotes included
    std::size_t end = 0;     // one past the last character
    std::string_view text;
};

class Lexer {
  public:
    explicit Lexer(const Source& src) : src_(src) {}
    // The next token; Tok::End (at the text's length) once the text is used up. Throws
    // ExpressionError for a character that starts no token and for an unclosed quote.
    Token next();

  private:
    Token dotted(std::size_t start);
    Token quoted(std::size_t start, char close);
    const Source& src_;
    std::size_t pos_ = 0;
};

}  // namespace xbase::expr
