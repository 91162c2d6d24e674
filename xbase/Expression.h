#pragma once
// xBase expressions: compiled once from text, then evaluated against the current record of a
// RecordSource. A compiled expression keeps scratch buffers, so one Expression object must not
// be evaluated from two threads at once; copies are independent.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

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
    // Any result as text: character as is, numbers as STR() gives them (a numeric field with
    // its width and decimals, other numbers with their decimals and no leading blanks), dates
    // as DTOS, logicals as "T"/"F".
    std::string evalAsText(const RecordSource& rec, const Settings& settings) const;

private:
    std::string text_;
    std::unique_ptr<expr::Node> root_;
};

}  // namespace xbase
