// Date functions: DTOS, DTOC and CTOD between dates and texts, DATE, YEAR, MONTH and DAY.
#include "xbase/Settings.h"
#include "xbase/internal/ExprFunctions.h"

namespace xbase::expr {

namespace {

// "YYYYMMDD", eight blanks for the empty date; written in place, as index keys use it a lot.
std::string_view dtos(const CallNode& n, const Context& c) {
    const JulianDay day = n.arg(0).date(c);
    std::string& out = n.scratch();
    out.assign(8, ' ');
    if (day <= 0) return out;
    int y, m, d;
    civilDate(day, y, m, d);
    const int digits[] = {y / 1000, y / 100 % 10, y / 10 % 10, y % 10,
                          m / 10,   m % 10,       d / 10,      d % 10};
    for (int i = 0; i < 8; ++i) out[i] = static_cast<char>('0' + digits[i]);
    return out;
}

std::string_view dtoc(const CallNode& n, const Context& c) {
    n.scratch().assign(toDateText(n.arg(0).date(c), *c.settings));
    return n.scratch();
}

// The date text is as long as the date pattern makes it, so its width follows the settings.
int dtocWidth(const CallNode&, const Settings* s) {
    return s ? static_cast<int>(toDateText(0, *s).size()) : -1;
}

JulianDay ctod(const CallNode& n, const Context& c) {
    return fromDateText(n.arg(0).text(c), *c.settings);
}
JulianDay date(const CallNode&, const Context&) {
    return today();
}

// YEAR, MONTH and DAY: the part of the date, 0 for the empty date.
template <int Part>
double datePart(const CallNode& n, const Context& c) {
    const JulianDay day = n.arg(0).date(c);
    if (day <= 0) return 0;
    int parts[3];
    civilDate(day, parts[0], parts[1], parts[2]);
    return parts[Part];
}

constexpr FunctionDef kDateFunctions[] = {
    {"DTOS", "D", 1, fixedWidthCall<dtos, 8>}, {"DTOC", "D", 1, ruledCall<dtoc, dtocWidth>, false},
    {"CTOD", "C", 1, plainCall<ctod>, false},  {"DATE", "", 0, plainCall<date>, false},
    {"YEAR", "D", 1, plainCall<datePart<0>>},  {"MONTH", "D", 1, plainCall<datePart<1>>},
    {"DAY", "D", 1, plainCall<datePart<2>>},
};

}  // namespace

std::span<const FunctionDef> dateFunctions() {
    return kDateFunctions;
}

}  // namespace xbase::expr
