#include "xbase/internal/ExprCompare.h"

#include <algorithm>
#include <cstring>

namespace xbase::expr {

namespace {

using V = ValueType;
using LogicalFn = CallNode::LogicalFn;

enum class Rel { Eq, Ne, Lt, Le, Gt, Ge };

template <Rel R, class T>
bool holds(T l, T r) {
    if constexpr (R == Rel::Eq) return l == r;
    if constexpr (R == Rel::Ne) return l != r;
    if constexpr (R == Rel::Lt) return l < r;
    if constexpr (R == Rel::Le) return l <= r;
    if constexpr (R == Rel::Gt) return l > r;
    if constexpr (R == Rel::Ge) return l >= r;
}

template <Rel R>
bool textRel(const CallNode& n, const Context& c) {
    std::string_view l = n.arg(0).text(c), r = n.arg(1).text(c);
    return holds<R>(compareText(l, r, c.settings->exact), 0);
}

template <Rel R>
bool numberRel(const CallNode& n, const Context& c) {
    return holds<R>(n.arg(0).number(c), n.arg(1).number(c));
}

template <Rel R>
bool dateRel(const CallNode& n, const Context& c) {
    return holds<R>(n.arg(0).date(c), n.arg(1).date(c));
}

template <Rel R>
bool logicalRel(const CallNode& n, const Context& c) {
    return holds<R>(n.arg(0).logical(c), n.arg(1).logical(c));
}

bool textSame(const CallNode& n, const Context& c) {
    std::string_view l = n.arg(0).text(c), r = n.arg(1).text(c);
    return sameText(l, r);
}

bool textContains(const CallNode& n, const Context& c) {
    std::string_view l = n.arg(0).text(c), r = n.arg(1).text(c);
    return !l.empty() && r.find(l) != std::string_view::npos;
}

// The evaluators for one relation, by operand type (null: that type cannot use it).
struct RelFns {
    LogicalFn text, number, date, logical;
};

template <Rel R>
constexpr RelFns relFns() {
    constexpr bool equality = R == Rel::Eq || R == Rel::Ne;
    return {textRel<R>, numberRel<R>, dateRel<R>, equality ? logicalRel<R> : nullptr};
}

RelFns fnsFor(Tok op) {
    switch (op) {
        case Tok::Equal:
            return relFns<Rel::Eq>();
        case Tok::ExactEqual: {
            RelFns fns = relFns<Rel::Eq>();
            fns.text = textSame;
            return fns;
        }
        case Tok::NotEqual:
            return relFns<Rel::Ne>();
        case Tok::Less:
            return relFns<Rel::Lt>();
        case Tok::LessEqual:
            return relFns<Rel::Le>();
        case Tok::Greater:
            return relFns<Rel::Gt>();
        case Tok::GreaterEqual:
            return relFns<Rel::Ge>();
        default:
            return {textContains, nullptr, nullptr, nullptr};  // $
    }
}

std::string_view trimBlanks(std::string_view s) {
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

}  // namespace

int compareText(std::string_view left, std::string_view right, bool exact) {
    const std::size_t common = std::min(left.size(), right.size());
    const int c = common ? std::memcmp(left.data(), right.data(), common) : 0;
    if (c != 0) return c < 0 ? -1 : 1;
    if (!exact) return left.size() < right.size() ? -1 : 0;
    const bool leftLonger = left.size() > right.size();
    const int sign = leftLonger ? 1 : -1;
    for (unsigned char ch : (leftLonger ? left : right).substr(common))
        if (ch != ' ') return ch > ' ' ? sign : -sign;
    return 0;
}

bool sameText(std::string_view left, std::string_view right) {
    return trimBlanks(left) == trimBlanks(right);
}

NodePtr makeComparison(const Token& op, Operand left, Operand right, const Source& src) {
    const V l = left.node->type(), r = right.node->type();
    // Quotes as chars: g++ 12 at -O3 takes "\"" + std::string(...) for an overlapping copy.
    const std::string shown = '"' + std::string(op.text) + '"';
    if (l != r)
        src.fail(std::string("Type mismatch: cannot compare a ") + typeName(l) + " with a " +
                     typeName(r) + " using " + shown,
                 op.offset);
    const RelFns fns = fnsFor(op.kind);
    LogicalFn fn = l == V::Character ? fns.text
                   : l == V::Numeric ? fns.number
                   : l == V::Date    ? fns.date
                                     : fns.logical;
    if (!fn)
        src.fail(op.kind == Tok::Contains
                     ? "Type mismatch: " + shown + " needs two texts"
                     : std::string("Type mismatch: ") + shown + " cannot order logical values",
                 op.offset);
    Args args;
    args.push_back(std::move(left.node));
    args.push_back(std::move(right.node));
    // Text comparisons other than == and $ depend on the exact setting, so they stay unfolded.
    const bool foldable = l != V::Character || fn == textSame || fn == textContains;
    return finishCall(std::make_unique<CallNode>(fn, std::move(args)), op, foldable, src);
}

}  // namespace xbase::expr
