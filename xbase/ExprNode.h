#pragma once
// The compiled form of an expression: a tree of typed nodes. Character results come back as
// views that stay valid until the node is evaluated again: they point into the record, into a
// literal or into the node's own scratch buffer, so evaluation allocates nothing once the
// buffers have grown.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/Expression.h"
#include "xbase/ExprSource.h"

namespace xbase::expr {

// Nodes nest at most this deep, and the parser recurses at most this deep, so that neither
// compiling nor evaluating can exhaust the stack.
constexpr int kMaxNesting = 200;

// The days a date may fall on, 0001-01-01 to 9999-12-31; outside them a date is empty (0).
constexpr JulianDay kFirstDay = 1721426;
constexpr JulianDay kLastDay = 5373484;

// What an evaluation sees. Both are null while constants are folded at compile time; nodes
// that read them are never folded.
struct Context {
    const RecordSource* rec = nullptr;
    const Settings* settings = nullptr;
};

// "text", "number", "date" or "logical value", for messages.
const char* typeName(ValueType type);

class Node {
public:
    Node(ValueType type, int decimals, int depth) : type_(type), decimals_(decimals), depth_(depth) {}
    Node(const Node&) = default;
    Node& operator=(const Node&) = delete;
    virtual ~Node() = default;

    ValueType type() const { return type_; }
    // Decimals a number shows as text: as written for fields and literals, derived for arithmetic.
    int decimals() const { return decimals_; }
    // Nodes on the longest path down to a leaf, this one included.
    int depth() const { return depth_; }
    // The width of the result when the expression alone decides it, else -1 (see
    // Expression::width). Widths that depend on the settings are -1 when settings is null.
    virtual int width(const Settings* settings) const = 0;
    virtual bool constant() const { return false; }
    virtual std::unique_ptr<Node> clone() const = 0;

    // The value; only the accessor matching type() is ever called.
    virtual std::string_view text(const Context& ctx) const;
    virtual double number(const Context& ctx) const;
    virtual JulianDay date(const Context& ctx) const;
    virtual bool logical(const Context& ctx) const;

private:
    ValueType type_;
    int decimals_;
    int depth_;
};

using NodePtr = std::unique_ptr<Node>;
using Args = std::vector<NodePtr>;

// A parsed sub-expression and the offset of its first character, for messages.
struct Operand {
    NodePtr node;
    std::size_t offset = 0;
};

class Literal final : public Node {
public:
    static NodePtr makeText(std::string value);
    static NodePtr makeNumber(double value, int decimals);
    static NodePtr makeDate(JulianDay value);
    static NodePtr makeLogical(bool value);

    int width(const Settings* settings) const override;
    bool constant() const override { return true; }
    NodePtr clone() const override { return std::make_unique<Literal>(*this); }
    std::string_view text(const Context&) const override { return text_; }
    double number(const Context&) const override { return number_; }
    JulianDay date(const Context&) const override { return date_; }
    bool logical(const Context&) const override { return logical_; }

    Literal(ValueType type, int decimals) : Node(type, decimals, 1) {}

private:
    std::string text_;
    double number_ = 0;
    JulianDay date_ = 0;
    bool logical_ = false;
};

// An operator or function applied to its arguments. The evaluating function is chosen when the
// node is built, from the argument types, so evaluation does no type dispatch.
class CallNode final : public Node {
public:
    using TextFn = std::string_view (*)(const CallNode&, const Context&);
    using NumberFn = double (*)(const CallNode&, const Context&);
    using DateFn = JulianDay (*)(const CallNode&, const Context&);
    using LogicalFn = bool (*)(const CallNode&, const Context&);
    using WidthFn = int (*)(const CallNode&, const Settings*);

    CallNode(TextFn fn, Args args, int decimals = 0);
    CallNode(NumberFn fn, Args args, int decimals = 0);
    CallNode(DateFn fn, Args args, int decimals = 0);
    CallNode(LogicalFn fn, Args args, int decimals = 0);
    CallNode(const CallNode& other);

    // A character result's width: fixed, or worked out from the arguments by a rule. Dates
    // are 8 wide and logicals 1 unless told otherwise; numbers -1.
    void setWidth(int width) { width_ = width; }
    void setWidthRule(WidthFn rule) { widthRule_ = rule; }

    const Node& arg(std::size_t i) const { return *args_[i]; }
    std::size_t argCount() const { return args_.size(); }
    std::string& scratch() const { return scratch_; }

    int width(const Settings* settings) const override;
    NodePtr clone() const override { return std::make_unique<CallNode>(*this); }
    std::string_view text(const Context& ctx) const override { return fn_.text(*this, ctx); }
    double number(const Context& ctx) const override { return fn_.number(*this, ctx); }
    JulianDay date(const Context& ctx) const override { return fn_.date(*this, ctx); }
    bool logical(const Context& ctx) const override { return fn_.logical(*this, ctx); }

private:
    CallNode(ValueType type, Args args, int decimals);
    union Fn {
        TextFn text;
        NumberFn number;
        DateFn date;
        LogicalFn logical;
    } fn_;
    Args args_;
    int width_ = -1;
    WidthFn widthRule_ = nullptr;
    mutable std::string scratch_;
};

// The value of a constant numeric node.
std::optional<double> constantNumber(const Node& node);

// Checks the nesting limit, then, when foldable and every argument is a constant, evaluates the
// call once and returns a literal in its place. offset locates the operator for messages.
NodePtr finishCall(std::unique_ptr<CallNode> call, bool foldable, const Source& src, std::size_t offset);

}  // namespace xbase::expr
