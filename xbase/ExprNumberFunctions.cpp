// Number functions: STR and VAL between numbers and texts, ABS, INT, ROUND, MAX and MIN.
#include <algorithm>
#include <cmath>

#include "xbase/internal/ExprFunctions.h"
#include "xbase/internal/ExprNumber.h"

namespace xbase::expr {

namespace {

// The most decimals ROUND works with either way; far beyond what a double holds.
constexpr int kMaxRoundDecimals = 400;

// STR(n[, length[, decimals]]): length 10 and no decimals unless given.
std::string_view str(const CallNode& n, const Context& c) {
    const double value = n.arg(0).number(c);
    const int length = n.argCount() > 1 ? toInt(n.arg(1).number(c), kMaxBuiltText) : 10;
    const int decimals = n.argCount() > 2 ? toInt(n.arg(2).number(c), kMaxBuiltText) : 0;
    formatNumber(value, length, decimals, n.scratch());
    return n.scratch();
}

int strWidth(const CallNode& n, const Settings*) {
    if (n.argCount() == 1) return 10;
    const auto length = constantNumber(n.arg(1));
    return length ? std::max(0, toInt(*length, kMaxBuiltText)) : -1;
}

double val(const CallNode& n, const Context& c) {
    return parseNumber(n.arg(0).text(c));
}
double absValue(const CallNode& n, const Context& c) {
    return std::fabs(n.arg(0).number(c));
}
double integer(const CallNode& n, const Context& c) {
    return std::trunc(n.arg(0).number(c));
}

double rounded(const CallNode& n, const Context& c) {
    const double value = n.arg(0).number(c);
    return roundNumber(value, toInt(n.arg(1).number(c), kMaxRoundDecimals));
}

// MAX and MIN of two numbers or two dates.
template <class T, T (Node::*Value)(const Context&) const, bool Larger>
T extreme(const CallNode& n, const Context& c) {
    const T a = (n.arg(0).*Value)(c), b = (n.arg(1).*Value)(c);
    return (a >= b) == Larger ? a : b;
}

int mostDecimals(const Args& args) {
    int d = 0;
    for (const auto& a : args) d = std::max(d, a->decimals());
    return d;
}

// Results showing as many decimals as the arguments do.
template <auto Fn>
std::unique_ptr<CallNode> keepDecimals(Args args) {
    const int decimals = mostDecimals(args);
    return std::make_unique<CallNode>(Fn, std::move(args), decimals);
}

// VAL shows two decimals, the xBase default for computed numbers.
std::unique_ptr<CallNode> buildVal(Args args) {
    return std::make_unique<CallNode>(val, std::move(args), 2);
}

std::unique_ptr<CallNode> buildRound(Args args) {
    const auto places = constantNumber(*args[1]);
    const int decimals =
        places ? std::clamp(toInt(*places, kMaxRoundDecimals), 0, 15) : args[0]->decimals();
    return std::make_unique<CallNode>(rounded, std::move(args), decimals);
}

template <auto NumberFn, auto DateFn>
std::unique_ptr<CallNode> buildExtreme(Args args) {
    if (args[0]->type() == ValueType::Date) return plainCall<DateFn>(std::move(args));
    return keepDecimals<NumberFn>(std::move(args));
}

constexpr FunctionDef kNumberFunctions[] = {
    {"STR", "NNN", 1, ruledCall<str, strWidth>},
    {"VAL", "C", 1, buildVal},
    {"ABS", "N", 1, keepDecimals<absValue>},
    {"INT", "N", 1, plainCall<integer>},
    {"ROUND", "NN", 2, buildRound},
    {"MAX", "v=", 2,
     buildExtreme<extreme<double, &Node::number, true>, extreme<JulianDay, &Node::date, true>>},
    {"MIN", "v=", 2,
     buildExtreme<extreme<double, &Node::number, false>, extreme<JulianDay, &Node::date, false>>},
};

}  // namespace

std::span<const FunctionDef> numberFunctions() {
    return kNumberFunctions;
}

}  // namespace xbase::expr
