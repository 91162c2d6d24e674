#include "xbase/internal/ExprOperators.h"

#include <algorithm>
#include <cmath>

namespace xbase::expr {

namespace {

using V = ValueType;

double negate(const CallNode& n, const Context& c) {
    return -n.arg(0).number(c);
}
bool invert(const CallNode& n, const Context& c) {
    return !n.arg(0).logical(c);
}

bool allTrue(const CallNode& n, const Context& c) {
    for (std::size_t i = 0; i < n.argCount(); ++i)
        if (!n.arg(i).logical(c)) return false;
    return true;
}

bool anyTrue(const CallNode& n, const Context& c) {
    for (std::size_t i = 0; i < n.argCount(); ++i)
        if (n.arg(i).logical(c)) return true;
    return false;
}

double add(const CallNode& n, const Context& c) {
    return n.arg(0).number(c) + n.arg(1).number(c);
}
double subtract(const CallNode& n, const Context& c) {
    return n.arg(0).number(c) - n.arg(1).number(c);
}
double multiply(const CallNode& n, const Context& c) {
    return n.arg(0).number(c) * n.arg(1).number(c);
}

// Division and remainder by zero give 0 rather than stopping a filter half way.
double divide(const CallNode& n, const Context& c) {
    double l = n.arg(0).number(c), r = n.arg(1).number(c);
    return r == 0 ? 0 : l / r;
}

double remainder(const CallNode& n, const Context& c) {
    double l = n.arg(0).number(c), r = n.arg(1).number(c);
    return r == 0 ? 0 : std::fmod(l, r);
}

std::string_view concat(const CallNode& n, const Context& c) {
    std::string_view l = n.arg(0).text(c), r = n.arg(1).text(c);
    std::string& out = n.scratch();
    out.assign(l);
    out.append(r);
    return out;
}

// "AB  " - "CD" is "ABCD  ".
std::string_view join(const CallNode& n, const Context& c) {
    std::string_view l = n.arg(0).text(c), r = n.arg(1).text(c);
    const std::size_t kept = l.find_last_not_of(' ') + 1;  // npos + 1 == 0
    std::string& out = n.scratch();
    out.assign(l.substr(0, kept));
    out.append(r);
    out.append(l.size() - kept, ' ');
    return out;
}

// The empty date stays empty; days beyond the calendar give the empty date.
JulianDay shift(JulianDay date, double days) {
    if (date == 0) return 0;
    double moved = date + std::trunc(days);
    return moved >= kFirstDay && moved <= kLastDay ? static_cast<JulianDay>(moved) : 0;
}

JulianDay datePlusDays(const CallNode& n, const Context& c) {
    return shift(n.arg(0).date(c), n.arg(1).number(c));
}
JulianDay daysPlusDate(const CallNode& n, const Context& c) {
    return shift(n.arg(1).date(c), n.arg(0).number(c));
}
JulianDay dateMinusDays(const CallNode& n, const Context& c) {
    return shift(n.arg(0).date(c), -n.arg(1).number(c));
}
double daysBetween(const CallNode& n, const Context& c) {
    return static_cast<double>(n.arg(0).date(c)) - static_cast<double>(n.arg(1).date(c));
}

int sumOfWidths(const CallNode& n, const Settings* s) {
    int l = n.arg(0).width(s), r = n.arg(1).width(s);
    return l < 0 || r < 0 ? -1 : l + r;
}

Args argsOf(Operand a) {
    Args args;
    args.push_back(std::move(a.node));
    return args;
}

Args argsOf(Operand a, Operand b) {
    Args args = argsOf(std::move(a));
    args.push_back(std::move(b.node));
    return args;
}

}  // namespace

NodePtr makeSign(const Token& op, Operand operand, const Source& src) {
    if (operand.node->type() != V::Numeric)
        src.fail("Type mismatch: \"" + std::string(op.text) + "\" needs a number, not a " +
                     typeName(operand.node->type()),
                 op.offset);
    if (op.kind == Tok::Plus) return std::move(operand.node);
    const int decimals = operand.node->decimals();
    return finishCall(std::make_unique<CallNode>(negate, argsOf(std::move(operand)), decimals), op,
                      true, src);
}

NodePtr makeNot(const Token& op, Operand operand, const Source& src) {
    if (operand.node->type() != V::Logical)
        src.fail("Type mismatch: \"" + std::string(op.text) + "\" needs a logical value, not a " +
                     typeName(operand.node->type()),
                 op.offset);
    return finishCall(std::make_unique<CallNode>(invert, argsOf(std::move(operand))), op, true,
                      src);
}

NodePtr makeLogicalChain(const Token& op, std::vector<Operand> operands, const Source& src) {
    Args args;
    for (Operand& o : operands) {
        if (o.node->type() != V::Logical)
            src.fail("Type mismatch: \"" + std::string(op.text) +
                         "\" needs logical values, not a " + typeName(o.node->type()),
                     o.offset);
        args.push_back(std::move(o.node));
    }
    auto fn = op.kind == Tok::And ? allTrue : anyTrue;
    return finishCall(std::make_unique<CallNode>(fn, std::move(args)), op, true, src);
}

NodePtr makeArithmetic(const Token& op, Operand left, Operand right, const Source& src) {
    const V l = left.node->type(), r = right.node->type();
    const int ld = left.node->decimals(), rd = right.node->decimals();
    Args args = argsOf(std::move(left), std::move(right));
    std::unique_ptr<CallNode> call;
    if (l == V::Numeric && r == V::Numeric) {
        switch (op.kind) {
            case Tok::Plus:
                call = std::make_unique<CallNode>(add, std::move(args), std::max(ld, rd));
                break;
            case Tok::Minus:
                call = std::make_unique<CallNode>(subtract, std::move(args), std::max(ld, rd));
                break;
            case Tok::Star:
                call = std::make_unique<CallNode>(multiply, std::move(args), std::min(ld + rd, 15));
                break;
            case Tok::Slash:
                call = std::make_unique<CallNode>(divide, std::move(args), std::max({2, ld, rd}));
                break;
            default:
                call = std::make_unique<CallNode>(remainder, std::move(args), std::max(ld, rd));
                break;
        }
    } else if (l == V::Character && r == V::Character &&
               (op.kind == Tok::Plus || op.kind == Tok::Minus)) {
        call = std::make_unique<CallNode>(op.kind == Tok::Plus ? concat : join, std::move(args));
        call->setWidthRule(sumOfWidths);
    } else if (op.kind == Tok::Plus && l == V::Date && r == V::Numeric) {
        call = std::make_unique<CallNode>(datePlusDays, std::move(args));
    } else if (op.kind == Tok::Plus && l == V::Numeric && r == V::Date) {
        call = std::make_unique<CallNode>(daysPlusDate, std::move(args));
    } else if (op.kind == Tok::Minus && l == V::Date && r == V::Numeric) {
        call = std::make_unique<CallNode>(dateMinusDays, std::move(args));
    } else if (op.kind == Tok::Minus && l == V::Date && r == V::Date) {
        call = std::make_unique<CallNode>(daysBetween, std::move(args));
    } else {
        src.fail("Type mismatch: cannot apply \"" + std::string(op.text) + "\" to a " +
                     typeName(l) + " and a " + typeName(r),
                 op.offset);
    }
    return finishCall(std::move(call), op, true, src);
}

}  // namespace xbase::expr
