// Compiles the input as an expression over a fixed field list and, when it compiles, evaluates
// it on a fixed record under two sets of settings. Besides crashes, hangs and sanitizer
// reports it stops on broken promises: a compile error that is not an ExpressionError or points
// outside the text, a known width that differs from the evaluated length, a copy that evaluates
// differently, a canonical spelling that does not compile back to the same spelling, type,
// width and values, an indexable term that does not hold on a record the expression accepts,
// a leading term of a key whose value does not begin the key's value.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "xbase/Error.h"
#include "xbase/Expression.h"
#include "xbase/internal/ExprCompare.h"

namespace {

class FixedRecord : public xbase::RecordSource {
  public:
    FixedRecord() {
        add("LNAME", 'C', 20, 0, "O'Brien-Smith       ");
        add("FNAME", 'C', 15, 0, "  Mary Ann      ");
        add("SEQNO", 'N', 6, 0, "   -42");
        add("AMOUNT", 'N', 10, 2, "  12345.67");
        add("BADNUM", 'N', 5, 0, "*1.2-");
        add("BORN", 'D', 8, 0, "19650412");
        add("NODATE", 'D', 8, 0, "        ");
        add("ACTIVE", 'L', 1, 0, "y");
        add("NOTES", 'M', 10, 0, "         1");
        add("COUNT", 'I', 4, 0, std::string("\xff\xff\xff\x7f", 4));
        add("RATE", 'B', 8, 3, std::string("\x00\x00\x00\x00\x00\x00\xf0\x7f", 8));  // infinity
        add("PRICE", 'Y', 8, 4, std::string("\x00\x00\x00\x00\x00\x00\x00\x80", 8));
        add("STAMP", 'T', 8, 0, std::string("\x40\x7e\x25\x00\x00\x00\x00\x00", 8));
    }
    const xbase::FieldList& fields() const override { return fields_; }
    std::string_view fieldBytes(int n) const override {
        const xbase::Field& f = fields_.at(static_cast<std::size_t>(n) - 1);
        return std::string_view(bytes_).substr(f.offset, f.width);
    }
    std::string memoText(int) const override { return "Memo text\r\nwith two lines  "; }
    bool deleted() const override { return true; }
    std::uint32_t recNo() const override { return 4000000000u; }

  private:
    void add(const char* name, char type, int width, int decimals, const std::string& value) {
        xbase::Field f;
        f.name = name;
        f.type = type;
        f.width = static_cast<std::uint8_t>(width);
        f.decimals = static_cast<std::uint8_t>(decimals);
        f.offset = static_cast<std::uint32_t>(bytes_.size());
        fields_.push_back(f);
        bytes_ += value.substr(0, static_cast<std::size_t>(width));
        bytes_.resize(f.offset + static_cast<std::size_t>(width), ' ');
    }
    xbase::FieldList fields_;
    std::string bytes_ = "*";
};

[[noreturn]] void broken(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

std::string evaluate(const xbase::Expression& e, const FixedRecord& rec, const xbase::Settings& s) {
    switch (e.type()) {
        case xbase::ValueType::Logical:
            return e.evalLogical(rec, s) ? "T" : "F";
        case xbase::ValueType::Numeric:
            return std::to_string(e.evalNumber(rec, s)) + e.evalAsText(rec, s);
        case xbase::ValueType::Date:
            return std::to_string(e.evalDate(rec, s)) + e.evalAsText(rec, s);
        case xbase::ValueType::Character:
            return e.evalString(rec, s);
    }
    return {};
}

xbase::Expression recompiled(const std::string& spelling, const FixedRecord& rec,
                             std::string_view text) {
    try {
        return xbase::Expression::compile(spelling, rec.fields());
    } catch (const xbase::ExpressionError&) {
        broken("a canonical or leading term does not compile", text);
    }
}

bool holds(xbase::Expression::IndexableTerm::Op op, int order) {
    using Op = xbase::Expression::IndexableTerm::Op;
    switch (op) {
        case Op::Equal:
            return order == 0;
        case Op::GreaterOrEqual:
            return order >= 0;
        case Op::Greater:
            return order > 0;
        case Op::LessOrEqual:
            return order <= 0;
        case Op::Less:
            return order < 0;
    }
    return false;
}

// Whether the record meets the term, compared as the expression's operator compares.
bool meets(const xbase::Expression::IndexableTerm& t, const xbase::Expression& operand,
           const FixedRecord& rec, const xbase::Settings& s) {
    switch (t.operandType) {
        case xbase::ValueType::Character: {
            const std::string v = operand.evalString(rec, s);
            if (t.exactEqual) return xbase::expr::sameText(v, t.text);
            return holds(t.op, xbase::expr::compareText(v, t.text, s.exact));
        }
        case xbase::ValueType::Numeric: {
            const double v = operand.evalNumber(rec, s);
            return holds(t.op, v < t.number ? -1 : v > t.number ? 1 : 0);
        }
        case xbase::ValueType::Date: {
            const xbase::JulianDay v = operand.evalDate(rec, s);
            return holds(t.op, v < t.date ? -1 : v > t.date ? 1 : 0);
        }
        case xbase::ValueType::Logical:
            return operand.evalLogical(rec, s) == t.logical;
    }
    return false;
}

void checkAnalysis(const xbase::Expression& e, const FixedRecord& rec, std::string_view text) {
    const std::string canonical = e.canonical();
    const xbase::Expression again = recompiled(canonical, rec, text);
    if (again.canonical() != canonical)
        broken("canonical text spells differently once compiled", text);
    if (again.type() != e.type() || again.width() != e.width())
        broken("canonical text changes type or width", text);

    xbase::Settings plain;
    xbase::Settings exact;
    exact.exact = true;
    for (const xbase::Settings* s : {&plain, &exact}) {
        const std::string value = evaluate(e, rec, *s);
        if (evaluate(again, rec, *s) != value) broken("canonical text evaluates differently", text);
        if (value == "T") {
            for (const auto& term : e.indexableTerms()) {
                const xbase::Expression operand = recompiled(term.operand, rec, text);
                if (operand.type() != term.operandType || operand.width() != term.operandWidth)
                    broken("term operand type or width differs", text);
                if (!meets(term, operand, rec, *s)) broken("an accepted record fails a term", text);
            }
        }
        for (const std::string& lead : e.leadingTerms()) {
            if (!value.starts_with(evaluate(recompiled(lead, rec, text), rec, *s)))
                broken("leading term does not begin the value", text);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FixedRecord rec;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    xbase::Expression e;
    try {
        e = xbase::Expression::compile(text, rec.fields());
    } catch (const xbase::ExpressionError& err) {
        const std::string_view message = err.what();
        std::string shown(text);
        for (char& c : shown) c = c == '\0' ? '?' : c;
        if (err.position() < 1 || err.position() > size + 1)
            broken("error position outside the text", text);
        if (err.text() != text) broken("error text differs", text);
        if (message.size() < size || message.substr(message.size() - size) != shown)
            broken("error message does not end with the text", text);
        return 0;
    }

    xbase::Settings plain;
    xbase::Settings other;
    other.exact = true;
    other.century = true;
    other.dateFormat = "dd.mm.yyyy";
    const xbase::Expression copy = e;
    for (const xbase::Settings* s : {&plain, &other}) {
        const std::string value = evaluate(e, rec, *s);
        const int width = e.width(*s);
        if (e.type() == xbase::ValueType::Character && width >= 0 &&
            value.size() != static_cast<std::size_t>(width))
            broken("width differs from the evaluated length", text);
        if (e.width() >= 0 && e.width() != width) broken("width without settings differs", text);
        if (evaluate(copy, rec, *s) != value) broken("copy evaluates differently", text);
    }
    checkAnalysis(e, rec, text);
    return 0;
}
