#pragma once
// The compiled form of an expression: a tree of typed nodes. Character results come back as
// views that stay valid until the node is evaluated again: they point into the record, into a
// literal or into the node's own scratch buffer, so evaluation allocates nothing once the
// buffers have grown.
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/Expression.h"
#include "xbase/internal/ExprLexer.h"
#include "xbase/internal/ExprSource.h"

namespace xbase::expr {

// Nodes nest at most this deep, and the parser recurses at most this deep, so that neither
// compiling, evaluating nor spelling can exhaust the stack. A folded constant that keeps the
// call it came from (see Literal) counts as deep as that call.
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

// How tightly a spelling holds together, by its loosest operator, loosest first as the parser
// binds them. An operand spelled where a tighter level is needed goes in parentheses.
enum class Level { Any, Or, And, Not, Comparison, Sum, Product, Sign, Primary };

class Node {
  public:
    Node(ValueType type, int decimals, int depth)
        : type_(type), decimals_(decimals), depth_(depth) {}
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

    // Appends the canonical spelling (see Expression::canonical), with no parentheses around the
    // whole, and tells its level.
    virtual void spell(std::string& out) const = 0;
    virtual Level level() const { return Level::Primary; }

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

class CallNode;

// A constant: a literal of the text, or a call folded at compile time. A folded value that no
// literal gives back exactly (a date, a number with more digits than its decimals show, NaN)
// keeps the call it came from, to be spelled in its place.
class Literal final : public Node {
  public:
    static NodePtr makeText(std::string value);
    static NodePtr makeNumber(double value, int decimals);
    static NodePtr makeLogical(bool value);
    // The call's value, evaluated once with no record and no settings.
    static NodePtr folded(std::unique_ptr<CallNode> call);

    Literal(ValueType type, int decimals) : Node(type, decimals, 1) {}
    Literal(const Literal& other);

    int width(const Settings* settings) const override;
    bool constant() const override { return true; }
    NodePtr clone() const override { return std::make_unique<Literal>(*this); }
    void spell(std::string& out) const override;
    Level level() const override;
    std::string_view text(const Context&) const override { return text_; }
    double number(const Context&) const override { return number_; }
    JulianDay date(const Context&) const override { return date_; }
    bool logical(const Context&) const override { return logical_; }

  private:
    Literal(const Literal& value, NodePtr origin);
    // Appends a literal that compiles back to this value (decimals included); false when none does.
    bool spellValue(std::string& out) const;

    std::string text_;
    double number_ = 0;
    JulianDay date_ = 0;
    bool logical_ = false;
    NodePtr origin_;
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

    // What the call is: the kind of its operator's token (Tok::Minus with one argument is the
    // sign), or Tok::Name and the function's name as the function table spells it.
    void setOperator(Tok op, std::string_view function) {
        op_ = op;
        function_ = function;
    }
    Tok op() const { return op_; }

    const Node& arg(std::size_t i) const { return *args_[i]; }
    std::size_t argCount() const { return args_.size(); }
    std::string& scratch() const { return scratch_; }

    int width(const Settings* settings) const override;
    NodePtr clone() const override { return std::make_unique<CallNode>(*this); }
    void spell(std::string& out) const override;
    Level level() const override;
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
    Tok op_ = Tok::Name;
    std::string_view function_;
    int width_ = -1;
    WidthFn widthRule_ = nullptr;
    mutable std::string scratch_;
};

// The value of a constant numeric node.
std::optional<double> constantNumber(const Node& node);

// Records what the call is (op: the operator token, or the function's name token together with
// the name as the function table spells it, which is kept), checks the nesting limit, then, when
// foldable and every argument is a constant, returns the folded value in the call's place.
NodePtr finishCall(std::unique_ptr<CallNode> call, const Token& op, bool foldable,
                   const Source& src, std::string_view function = {});

// Appends node's spelling, in parentheses when its level is looser than needed.
void spellOperand(const Node& node, Level needed, std::string& out);

// Appends the operands joined by op as the parser reads them, left-associative: the first
// operand as loose as level (op's own), the others tighter.
void spellInfix(std::span<const Node* const> operands, Tok op, Level level, std::string& out);

// The operands of a chain whose grouping does not change the result: .AND., .OR. and text
// concatenation ("+"), nested chains of the same operator flattened in order. Empty for any
// other node.
std::vector<const Node*> chainOperands(const Node& node);

}  // namespace xbase::expr
