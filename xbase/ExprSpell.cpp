// Canonical spelling of compiled nodes: literals written back from their values, operators with
// one spelling each and no more parentheses than the parser needs.
#include <charconv>
#include <cmath>

#include "xbase/Expression.h"
#include "xbase/internal/ExprNode.h"
#include "xbase/internal/ExprNumber.h"

namespace xbase::expr {

namespace {

Level tighter(Level level) {
    return static_cast<Level>(static_cast<int>(level) + 1);
}

const char* symbol(Tok op) {
    switch (op) {
        case Tok::Or:
            return ".OR.";
        case Tok::And:
            return ".AND.";
        case Tok::Equal:
            return "=";
        case Tok::ExactEqual:
            return "==";
        case Tok::NotEqual:
            return "<>";
        case Tok::Less:
            return "<";
        case Tok::LessEqual:
            return "<=";
        case Tok::Greater:
            return ">";
        case Tok::GreaterEqual:
            return ">=";
        case Tok::Contains:
            return "$";
        case Tok::Plus:
            return "+";
        case Tok::Minus:
            return "-";
        case Tok::Star:
            return "*";
        case Tok::Slash:
            return "/";
        default:
            return "%";  // the only infix operator left
    }
}

const CallNode* asCall(const Node& node) {
    return dynamic_cast<const CallNode*>(&node);
}

bool regroupable(const CallNode& call) {
    return call.op() == Tok::And || call.op() == Tok::Or ||
           (call.op() == Tok::Plus && call.type() == ValueType::Character);
}

void addChainOperands(const CallNode& chain, std::vector<const Node*>& out) {
    for (std::size_t i = 0; i < chain.argCount(); ++i) {
        const CallNode* inner = asCall(chain.arg(i));
        if (inner && inner->op() == chain.op())
            addChainOperands(*inner, out);
        else
            out.push_back(&chain.arg(i));
    }
}

// A text holding all three closing quotes cannot be one literal.
bool needsPieces(std::string_view text) {
    return text.find('"') != std::string_view::npos && text.find('\'') != std::string_view::npos &&
           text.find(']') != std::string_view::npos;
}

// In double quotes; holding a double quote, in single quotes; holding both, in brackets; holding
// all three, as a "+" chain of the longest pieces that each fit one of those.
void spellText(std::string_view text, std::string& out) {
    std::size_t start = 0;
    do {
        bool dq = false, sq = false, br = false;
        std::size_t end = start;
        for (; end < text.size(); ++end) {
            const char c = text[end];
            if ((dq || c == '"') && (sq || c == '\'') && (br || c == ']')) break;
            dq = dq || c == '"';
            sq = sq || c == '\'';
            br = br || c == ']';
        }
        if (start > 0) out += '+';
        const char open = !dq ? '"' : !sq ? '\'' : '[';
        out += open;
        out.append(text.substr(start, end - start));
        out += open == '[' ? ']' : open;
        start = end;
    } while (start < text.size());
}

// The shortest digits that read back as the value, widened to the decimals it shows; false when
// they cannot show exactly that many decimals. Infinity is written as a number too large for a
// double, which reads back as infinity.
bool spellNumber(double value, int decimals, std::string& out) {
    if (std::isnan(value)) return false;
    const double magnitude = std::fabs(value);
    std::string digits;
    if (std::isinf(magnitude)) {
        digits = "1" + std::string(309, '0');
    } else {
        char buf[400];  // the longest fixed form, of the smallest subnormal, has 326 characters
        digits.assign(
            buf, std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed).ptr);
    }
    const std::size_t point = digits.find('.');
    const int shown = point == std::string::npos ? 0 : static_cast<int>(digits.size() - point - 1);
    if (shown < decimals) {
        if (point == std::string::npos) digits += '.';
        digits.append(static_cast<std::size_t>(decimals - shown), '0');
    }
    if (parseNumber(digits) != magnitude || decimalsWritten(digits) != decimals) return false;
    if (std::signbit(value)) out += '-';
    out += digits;
    return true;
}

}  // namespace

void spellOperand(const Node& node, Level needed, std::string& out) {
    const bool parenthesized = node.level() < needed;
    if (parenthesized) out += '(';
    node.spell(out);
    if (parenthesized) out += ')';
}

void spellInfix(std::span<const Node* const> operands, Tok op, Level level, std::string& out) {
    for (std::size_t i = 0; i < operands.size(); ++i) {
        if (i > 0) out += symbol(op);
        spellOperand(*operands[i], i == 0 ? level : tighter(level), out);
    }
}

std::vector<const Node*> chainOperands(const Node& node) {
    std::vector<const Node*> operands;
    const CallNode* call = asCall(node);
    if (call && regroupable(*call)) addChainOperands(*call, operands);
    return operands;
}

bool Literal::spellValue(std::string& out) const {
    switch (type()) {
        case ValueType::Character:
            spellText(text_, out);
            return true;
        case ValueType::Numeric:
            return spellNumber(number_, decimals(), out);
        case ValueType::Logical:
            out += logical_ ? ".T." : ".F.";
            return true;
        case ValueType::Date:
            break;
    }
    return false;  // no literal spells a date
}

void Literal::spell(std::string& out) const {
    if (origin_)
        origin_->spell(out);
    else
        spellValue(out);
}

Level Literal::level() const {
    if (origin_) return origin_->level();
    if (type() == ValueType::Numeric && std::signbit(number_)) return Level::Sign;
    if (type() == ValueType::Character && needsPieces(text_)) return Level::Sum;
    return Level::Primary;
}

Level CallNode::level() const {
    switch (op_) {
        case Tok::Name:
            return Level::Primary;
        case Tok::Or:
            return Level::Or;
        case Tok::And:
            return Level::And;
        case Tok::Not:
            return Level::Not;
        case Tok::Plus:
        case Tok::Minus:
            return argCount() == 1 ? Level::Sign : Level::Sum;
        case Tok::Star:
        case Tok::Slash:
        case Tok::Percent:
            return Level::Product;
        default:
            return Level::Comparison;
    }
}

// Functions by name with every argument in full; prefix operators before an operand at least as
// tight as they are; infix operators as spellInfix writes them.
void CallNode::spell(std::string& out) const {
    if (op_ == Tok::Name) {
        out += function_;
        out += '(';
        for (std::size_t i = 0; i < argCount(); ++i) {
            if (i > 0) out += ',';
            arg(i).spell(out);
        }
        out += ')';
        return;
    }
    const Level own = level();
    if (argCount() == 1) {
        out += op_ == Tok::Not ? ".NOT." : "-";
        spellOperand(arg(0), own, out);
        return;
    }
    std::vector<const Node*> operands = chainOperands(*this);
    if (operands.empty()) operands = {&arg(0), &arg(1)};
    spellInfix(operands, op_, own, out);
}

}  // namespace xbase::expr

namespace xbase {

std::string textLiteral(std::string_view text) {
    std::string out;
    expr::spellText(text, out);
    // One piece is the text and its two quotes.
    return out.size() == text.size() + 2 ? out : "(" + out + ")";
}

}  // namespace xbase
