#include "xbase/internal/ExprLexer.h"

#include <cstdio>

#include "xbase/Ascii.h"

namespace xbase::expr {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNameStart(char c) {
    return (upperAscii(c) >= 'A' && upperAscii(c) <= 'Z') || c == '_';
}
bool isNameChar(char c) {
    return isNameStart(c) || isDigit(c);
}

struct Symbol {
    std::string_view text;
    Tok kind;
};

// Longer symbols first, so "<=" wins over "<".
constexpr Symbol kSymbols[] = {
    {"->", Tok::Arrow},     {"==", Tok::ExactEqual},   {"<>", Tok::NotEqual}, {"!=", Tok::NotEqual},
    {"<=", Tok::LessEqual}, {">=", Tok::GreaterEqual}, {"(", Tok::LParen},    {")", Tok::RParen},
    {",", Tok::Comma},      {"+", Tok::Plus},          {"-", Tok::Minus},     {"*", Tok::Star},
    {"/", Tok::Slash},      {"%", Tok::Percent},       {"=", Tok::Equal},     {"#", Tok::NotEqual},
    {"<", Tok::Less},       {">", Tok::Greater},       {"$", Tok::Contains},  {"!", Tok::Not},
};

// The words that are operators, with or without dots around them (case-insensitive).
Tok wordOperator(std::string_view word) {
    if (equalsNoCase(word, "AND")) return Tok::And;
    if (equalsNoCase(word, "OR")) return Tok::Or;
    if (equalsNoCase(word, "NOT")) return Tok::Not;
    return Tok::End;
}

}  // namespace

Token Lexer::next() {
    const std::string_view s = src_.text();
    while (pos_ < s.size() &&
           (s[pos_] == ' ' || s[pos_] == '\t' || s[pos_] == '\r' || s[pos_] == '\n'))
        ++pos_;
    const std::size_t start = pos_;
    if (start >= s.size()) return {Tok::End, start, start, {}};
    const char c = s[start];
    auto token = [&](Tok kind, std::size_t end) {
        pos_ = end;
        return Token{kind, start, end, s.substr(start, end - start)};
    };

    if (isNameStart(c)) {
        std::size_t end = start + 1;
        while (end < s.size() && isNameChar(s[end])) ++end;
        Tok word = wordOperator(s.substr(start, end - start));
        return token(word == Tok::End ? Tok::Name : word, end);
    }
    if (isDigit(c) || (c == '.' && start + 1 < s.size() && isDigit(s[start + 1]))) {
        std::size_t end = start;
        while (end < s.size() && isDigit(s[end])) ++end;
        // A point belongs to the number only when a digit follows: "1.AND." is 1 .AND.
        if (end + 1 < s.size() && s[end] == '.' && isDigit(s[end + 1])) {
            ++end;
            while (end < s.size() && isDigit(s[end])) ++end;
        }
        return token(Tok::Number, end);
    }
    if (c == '.') return dotted(start);
    if (c == '"' || c == '\'') return quoted(start, c);
    if (c == '[') return quoted(start, ']');
    for (const Symbol& sym : kSymbols)
        if (s.compare(start, sym.text.size(), sym.text) == 0)
            return token(sym.kind, start + sym.text.size());

    char shown[32];
    if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7f)
        std::snprintf(shown, sizeof shown, "\"%c\"", c);
    else
        std::snprintf(shown, sizeof shown, "0x%02X", static_cast<unsigned char>(c));
    src_.fail(std::string("Unexpected character ") + shown, start);
}

// .T. .F. .Y. .N. .AND. .OR. .NOT.
Token Lexer::dotted(std::size_t start) {
    const std::string_view s = src_.text();
    std::size_t end = start + 1;
    while (end < s.size() && isNameChar(s[end])) ++end;
    if (end < s.size() && s[end] == '.') {
        const std::string_view word = s.substr(start + 1, end - start - 1);
        Tok kind = wordOperator(word);
        if (equalsNoCase(word, "T") || equalsNoCase(word, "Y")) kind = Tok::True;
        if (equalsNoCase(word, "F") || equalsNoCase(word, "N")) kind = Tok::False;
        if (kind != Tok::End) {
            pos_ = end + 1;
            return {kind, start, pos_, s.substr(start, pos_ - start)};
        }
    }
    src_.fail(
        "Unexpected \".\" (logical values are written .T. and .F., operators .AND. .OR. .NOT.)",
        start);
}

Token Lexer::quoted(std::size_t start, char close) {
    const std::string_view s = src_.text();
    const std::size_t endQuote = s.find(close, start + 1);
    if (endQuote == std::string_view::npos)
        src_.fail(std::string("Missing closing ") + close + " for the text starting", start);
    pos_ = endQuote + 1;
    return {Tok::Text, start, pos_, s.substr(start + 1, endQuote - start - 1)};
}

}  // namespace xbase::expr
