#include "xbase/internal/ExprNode.h"

#include <algorithm>

namespace xbase::expr {

namespace {

[[noreturn]] void wrongAccess(ValueType type) {
    throw Error(std::string("Expression value read as the wrong type: it is a ") + typeName(type));
}

int defaultWidth(ValueType type) {
    switch (type) {
        case ValueType::Date:
            return 8;
        case ValueType::Logical:
            return 1;
        default:
            return -1;
    }
}

int deepest(const Args& args) {
    int depth = 0;
    for (const auto& a : args) depth = std::max(depth, a->depth());
    return depth;
}

}  // namespace

const char* typeName(ValueType type) {
    switch (type) {
        case ValueType::Character:
            return "text";
        case ValueType::Numeric:
            return "number";
        case ValueType::Date:
            return "date";
        case ValueType::Logical:
            return "logical value";
    }
    return "value";
}

std::string_view Node::text(const Context&) const {
    wrongAccess(type_);
}
double Node::number(const Context&) const {
    wrongAccess(type_);
}
JulianDay Node::date(const Context&) const {
    wrongAccess(type_);
}
bool Node::logical(const Context&) const {
    wrongAccess(type_);
}

NodePtr Literal::makeText(std::string value) {
    auto lit = std::make_unique<Literal>(ValueType::Character, 0);
    lit->text_ = std::move(value);
    return lit;
}

NodePtr Literal::makeNumber(double value, int decimals) {
    auto lit = std::make_unique<Literal>(ValueType::Numeric, decimals);
    lit->number_ = value;
    return lit;
}

NodePtr Literal::makeLogical(bool value) {
    auto lit = std::make_unique<Literal>(ValueType::Logical, 0);
    lit->logical_ = value;
    return lit;
}

NodePtr Literal::folded(std::unique_ptr<CallNode> call) {
    const Context none;
    Literal value(call->type(), call->decimals());
    switch (call->type()) {
        case ValueType::Character:
            value.text_ = call->text(none);
            break;
        case ValueType::Numeric:
            value.number_ = call->number(none);
            break;
        case ValueType::Date:
            value.date_ = call->date(none);
            break;
        case ValueType::Logical:
            value.logical_ = call->logical(none);
            break;
    }
    std::string spelled;
    if (value.spellValue(spelled)) return std::make_unique<Literal>(value);
    return NodePtr(new Literal(value, std::move(call)));
}

Literal::Literal(const Literal& other)
    : Node(other),
      text_(other.text_),
      number_(other.number_),
      date_(other.date_),
      logical_(other.logical_),
      origin_(other.origin_ ? other.origin_->clone() : nullptr) {}

Literal::Literal(const Literal& value, NodePtr origin)
    : Node(value.type(), value.decimals(), origin->depth()),
      text_(value.text_),
      number_(value.number_),
      date_(value.date_),
      logical_(value.logical_),
      origin_(std::move(origin)) {}

int Literal::width(const Settings*) const {
    return type() == ValueType::Character ? static_cast<int>(text_.size()) : defaultWidth(type());
}

CallNode::CallNode(ValueType type, Args args, int decimals)
    : Node(type, decimals, deepest(args) + 1), args_(std::move(args)), width_(defaultWidth(type)) {}

CallNode::CallNode(TextFn fn, Args args, int decimals)
    : CallNode(ValueType::Character, std::move(args), decimals) {
    fn_.text = fn;
}
CallNode::CallNode(NumberFn fn, Args args, int decimals)
    : CallNode(ValueType::Numeric, std::move(args), decimals) {
    fn_.number = fn;
}
CallNode::CallNode(DateFn fn, Args args, int decimals)
    : CallNode(ValueType::Date, std::move(args), decimals) {
    fn_.date = fn;
}
CallNode::CallNode(LogicalFn fn, Args args, int decimals)
    : CallNode(ValueType::Logical, std::move(args), decimals) {
    fn_.logical = fn;
}

CallNode::CallNode(const CallNode& other)
    : Node(other), fn_(other.fn_), width_(other.width_), widthRule_(other.widthRule_) {
    args_.reserve(other.args_.size());
    for (const auto& a : other.args_) args_.push_back(a->clone());
}

int CallNode::width(const Settings* settings) const {
    return widthRule_ ? widthRule_(*this, settings) : width_;
}

std::optional<double> constantNumber(const Node& node) {
    if (!node.constant() || node.type() != ValueType::Numeric) return std::nullopt;
    return node.number(Context{});
}

NodePtr finishCall(std::unique_ptr<CallNode> call, const Token& op, bool foldable,
                   const Source& src, std::string_view function) {
    call->setOperator(op.kind, function);
    if (call->depth() > kMaxNesting) src.fail("Expression nested too deeply", op.offset);
    for (std::size_t i = 0; i < call->argCount() && foldable; ++i)
        foldable = call->arg(i).constant();
    if (!foldable) return call;
    return Literal::folded(std::move(call));
}

}  // namespace xbase::expr
