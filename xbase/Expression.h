#pragma once
// xBase expressions: compiled once from text, then evaluated against the current record of a
// RecordSource. A compiled expression keeps scratch buffers, so one Expression object must not
// be evaluated from two threads at once; copies are independent.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/Field.h"
#include "xbase/RecordSource.h"
#include "xbase/Settings.h"

namespace xbase {

enum class ValueType { Character, Numeric, Date, Logical };

namespace expr {
class Node;
}

class Expression {
  public:
    // Compiles the text against a field list. Throws ExpressionError (message names the
    // problem, the text and the 1-based position) for anything it cannot compile.
    static Expression compile(std::string_view text, const FieldList& fields);

    Expression();
    Expression(const Expression&);
    Expression& operator=(const Expression&);
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;
    ~Expression();

    const std::string& text() const { return text_; }
    ValueType type() const;
    // Width of a character result when it follows from the expression alone (field widths,
    // literals, STR/SUBSTR/LEFT/RIGHT/SPACE lengths...); -1 when it depends on the data.
    // Dates are 8 wide, logicals 1, an N or F field its field width, other numbers -1.
    // DTOC's width depends on the date settings: -1 here, known to the second form.
    int width() const;
    int width(const Settings& settings) const;

    // Each evaluator requires the matching type() and throws Error otherwise.
    bool evalLogical(const RecordSource& rec, const Settings& settings) const;
    double evalNumber(const RecordSource& rec, const Settings& settings) const;
    JulianDay evalDate(const RecordSource& rec, const Settings& settings) const;
    // Writes the character result into out (reusing its capacity).
    void evalString(const RecordSource& rec, const Settings& settings, std::string& out) const;
    std::string evalString(const RecordSource& rec, const Settings& settings) const;
    // The character result without a copy: a view into the record, a literal or the
    // expression's own buffers, valid until the expression is evaluated again.
    std::string_view evalText(const RecordSource& rec, const Settings& settings) const;
    // Any result as text: character as is, numbers as STR() gives them (a numeric field with
    // its width and decimals, other numbers with their decimals and no leading blanks), dates
    // as DTOS, logicals as "T"/"F".
    std::string evalAsText(const RecordSource& rec, const Settings& settings) const;

    // The expression in one spelling: names upper case, functions by their full name (an
    // abbreviation or a synonym such as TRIM for RTRIM by the first name of the function table),
    // .AND. .OR. .NOT. <> for their other spellings, no blanks outside texts, no parentheses
    // the parser does not need (nested .AND., .OR. and text "+" chains are one chain, as their
    // grouping does not change the result), aliases left out, and constants folded at compile
    // time written as their values: numbers with the decimals they show ("1.50", "0.5", "-3"),
    // texts in double quotes, in single quotes when they hold a double quote, in brackets when
    // they hold both, and as a "+" chain of such pieces when they hold all three closing
    // quotes. A folded value no literal gives back exactly (a number with more digits than its
    // decimals show, such as 3*0.1) is written as the expression it was folded from.
    // Texts that compile to the same expression tree spell alike; the spelling compiles
    // back to an expression with the same spelling, type, width and values, so two expressions
    // with equal spellings over the same fields always give the same results.
    std::string canonical() const;

    // One conjunct of a logical expression that compares a non-constant operand with a constant.
    struct IndexableTerm {
        enum class Op { Equal, GreaterOrEqual, Greater, LessOrEqual, Less };
        std::string operand;    // canonical text of the non-constant side
        ValueType operandType;  // Character, Numeric, Date or Logical
        int operandWidth;       // the operand's width() (character: -1 when it depends on the data)
        Op op;                  // as if the operand stood on the left ("5 < SEQNO" is SEQNO > 5)
        bool exactEqual;        // true for "==", false for "=" (both give Op::Equal)
        std::string text;       // the constant, for a Character operand
        double number = 0;      // for Numeric
        JulianDay date = 0;     // for Date
        bool logical = false;   // for Logical
    };
    // The conjuncts of the top-level .AND. chain (nested .AND. chains included; the whole
    // expression when it is not an .AND.) that read <operand> op <constant> or <constant> op
    // <operand>, op one of = == >= > <= <, the operand not constant. The constant is what folds
    // at compile time: CTOD() and DATE() are not constant. Left out: conjuncts under .OR. or
    // .NOT., <> and $, comparisons with a NaN constant, and character comparisons other than
    // "==" with the constant on the left, which do not turn around: without SET EXACT, "=" and
    // the orderings compare only as many characters as the right side has, so "SM" = LNAME is
    // not LNAME = "SM".
    std::vector<IndexableTerm> indexableTerms() const;

    // For an index key: the canonical texts of the leading operands of a top-level text "+"
    // chain, shortest first and the whole left out ("A+B+C" gives "A" and "A+B", whose values
    // begin every value of the whole); {} for any other expression. "-" does not count: it moves
    // its left text's trailing blanks to the end, so that text is not a prefix of the result.
    std::vector<std::string> leadingTerms() const;

  private:
    std::string text_;
    std::unique_ptr<expr::Node> root_;
};

// A character literal that compiles back to exactly this text: in double quotes, in single
// quotes when it holds a double quote, in brackets when it holds both, and as a parenthesised
// "+" chain of such pieces when it holds all three closing quotes. For building expressions
// that search for a text a user typed.
std::string textLiteral(std::string_view text);

}  // namespace xbase
