#include "xbase/Expression.h"

#include "xbase/internal/ExprNode.h"
#include "xbase/internal/ExprNumber.h"
#include "xbase/internal/ExprParser.h"

namespace xbase {

namespace {

// The widest text a computed number is written in before its leading blanks go.
constexpr int kComputedNumberWidth = 20;

}  // namespace

Expression Expression::compile(std::string_view text, const FieldList& fields) {
    Expression e;
    e.root_ = expr::parse(text, fields);
    e.text_ = text;
    return e;
}

Expression::Expression() = default;
Expression::Expression(const Expression& other)
    : text_(other.text_), root_(other.root_ ? other.root_->clone() : nullptr) {}
Expression& Expression::operator=(const Expression& other) {
    if (this != &other) *this = Expression(other);
    return *this;
}
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;
Expression::~Expression() = default;

// An expression never compiled is an empty text.
ValueType Expression::type() const {
    return root_ ? root_->type() : ValueType::Character;
}
int Expression::width() const {
    return root_ ? root_->width(nullptr) : 0;
}
int Expression::width(const Settings& settings) const {
    return root_ ? root_->width(&settings) : 0;
}

namespace {

void require(const Expression& e, ValueType wanted) {
    if (e.type() != wanted)
        throw Error("The expression " + e.text() + " gives a " + expr::typeName(e.type()) +
                    ", not a " + expr::typeName(wanted));
}

}  // namespace

bool Expression::evalLogical(const RecordSource& rec, const Settings& settings) const {
    require(*this, ValueType::Logical);
    return root_->logical({&rec, &settings});
}

double Expression::evalNumber(const RecordSource& rec, const Settings& settings) const {
    require(*this, ValueType::Numeric);
    return root_->number({&rec, &settings});
}

JulianDay Expression::evalDate(const RecordSource& rec, const Settings& settings) const {
    require(*this, ValueType::Date);
    return root_->date({&rec, &settings});
}

void Expression::evalString(const RecordSource& rec, const Settings& settings,
                            std::string& out) const {
    out.assign(evalText(rec, settings));
}

std::string_view Expression::evalText(const RecordSource& rec, const Settings& settings) const {
    require(*this, ValueType::Character);
    return root_ ? root_->text({&rec, &settings}) : std::string_view();
}

std::string Expression::evalString(const RecordSource& rec, const Settings& settings) const {
    std::string out;
    evalString(rec, settings, out);
    return out;
}

std::string Expression::evalAsText(const RecordSource& rec, const Settings& settings) const {
    switch (type()) {
        case ValueType::Character:
            return evalString(rec, settings);
        case ValueType::Date:
            return toDtos(evalDate(rec, settings));
        case ValueType::Logical:
            return evalLogical(rec, settings) ? "T" : "F";
        case ValueType::Numeric:
            break;
    }
    const int fieldWidth = root_->width(&settings);
    std::string out;
    expr::formatNumber(evalNumber(rec, settings),
                       fieldWidth > 0 ? fieldWidth : kComputedNumberWidth, root_->decimals(), out);
    if (fieldWidth <= 0) out.erase(0, out.find_first_not_of(' '));
    return out;
}

}  // namespace xbase
