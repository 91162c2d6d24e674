// What the table code reads from an expression to use indexes: its canonical spelling, the
// comparisons with constants among its conjuncts, and the leading parts of an index key.
#include <cmath>
#include <optional>

#include "xbase/internal/ExprNode.h"

namespace xbase {

namespace {

using Term = Expression::IndexableTerm;

// The term's relation for a comparison token, turned around when the constant stands on the left.
std::optional<Term::Op> relation(expr::Tok op, bool constantFirst) {
    using expr::Tok;
    switch (op) {
        case Tok::Equal:
        case Tok::ExactEqual:
            return Term::Op::Equal;
        case Tok::GreaterEqual:
            return constantFirst ? Term::Op::LessOrEqual : Term::Op::GreaterOrEqual;
        case Tok::Greater:
            return constantFirst ? Term::Op::Less : Term::Op::Greater;
        case Tok::LessEqual:
            return constantFirst ? Term::Op::GreaterOrEqual : Term::Op::LessOrEqual;
        case Tok::Less:
            return constantFirst ? Term::Op::Greater : Term::Op::Less;
        default:
            return std::nullopt;
    }
}

// The conjunct as a term, when it is one.
std::optional<Term> termOf(const expr::Node& conjunct) {
    const auto* call = dynamic_cast<const expr::CallNode*>(&conjunct);
    if (!call || call->argCount() != 2) return std::nullopt;
    const bool constantFirst = call->arg(0).constant();
    const expr::Node& operand = call->arg(constantFirst ? 1 : 0);
    const expr::Node& constant = call->arg(constantFirst ? 0 : 1);
    const auto op = relation(call->op(), constantFirst);
    if (!op || operand.constant() || !constant.constant()) return std::nullopt;
    const bool exactEqual = call->op() == expr::Tok::ExactEqual;
    if (operand.type() == ValueType::Character && constantFirst && !exactEqual) return std::nullopt;

    Term term{};
    operand.spell(term.operand);
    term.operandType = operand.type();
    term.operandWidth = operand.width(nullptr);
    term.op = *op;
    term.exactEqual = exactEqual;
    const expr::Context none;
    switch (operand.type()) {
        case ValueType::Character:
            term.text = constant.text(none);
            break;
        case ValueType::Numeric:
            term.number = constant.number(none);
            if (std::isnan(term.number)) return std::nullopt;
            break;
        case ValueType::Date:
            term.date = constant.date(none);
            break;
        case ValueType::Logical:
            term.logical = constant.logical(none);
            break;
    }
    return term;
}

}  // namespace

std::string Expression::canonical() const {
    std::string out;
    if (root_) root_->spell(out);
    return out;
}

std::vector<Expression::IndexableTerm> Expression::indexableTerms() const {
    std::vector<IndexableTerm> terms;
    if (!root_) return terms;
    const auto* top = dynamic_cast<const expr::CallNode*>(root_.get());
    std::vector<const expr::Node*> conjuncts{root_.get()};
    if (top && top->op() == expr::Tok::And) conjuncts = expr::chainOperands(*top);
    for (const expr::Node* conjunct : conjuncts)
        if (auto term = termOf(*conjunct)) terms.push_back(std::move(*term));
    return terms;
}

std::vector<std::string> Expression::leadingTerms() const {
    std::vector<std::string> leading;
    if (!root_ || root_->type() != ValueType::Character) return leading;
    const std::vector<const expr::Node*> operands = expr::chainOperands(*root_);
    for (std::size_t n = 1; n < operands.size(); ++n) {
        std::string prefix;
        expr::spellInfix(std::span(operands).first(n), expr::Tok::Plus, expr::Level::Sum, prefix);
        leading.push_back(std::move(prefix));
    }
    return leading;
}

}  // namespace xbase
