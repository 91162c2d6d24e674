#pragma once
// The functions an expression may call: a table per group, and the call builder that looks a
// name up and checks the arguments against the table.
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "xbase/internal/ExprLexer.h"
#include "xbase/internal/ExprNode.h"

namespace xbase::expr {

struct FunctionDef {
    std::string_view name;
    // One letter per argument: C N D L a value of that type, x any type, v a number or a date,
    // = the same type as the argument before. Its length is the most arguments allowed.
    std::string_view argTypes;
    std::size_t minArgs;
    // Builds the node once the argument count and types have been checked.
    std::unique_ptr<CallNode> (*build)(Args args);
    // False for functions that read the record, the settings or the clock.
    bool foldable = true;
};

std::span<const FunctionDef> textFunctions();
std::span<const FunctionDef> numberFunctions();
std::span<const FunctionDef> dateFunctions();

// Whether a function of this name exists (names may be shortened to four letters or more).
bool isFunctionName(std::string_view name);

// The call name(args...), checked. Throws ExpressionError for an unknown name, a wrong number of
// arguments or an argument of the wrong type.
NodePtr makeFunctionCall(const Token& name, std::vector<Operand> args, const Source& src);

// Builders for functions whose node needs nothing but the evaluator (and a width rule).
template <auto Fn>
std::unique_ptr<CallNode> plainCall(Args args) {
    return std::make_unique<CallNode>(Fn, std::move(args));
}

template <auto Fn, CallNode::WidthFn Rule>
std::unique_ptr<CallNode> ruledCall(Args args) {
    auto call = std::make_unique<CallNode>(Fn, std::move(args));
    call->setWidthRule(Rule);
    return call;
}

template <auto Fn, int Width>
std::unique_ptr<CallNode> fixedWidthCall(Args args) {
    auto call = std::make_unique<CallNode>(Fn, std::move(args));
    call->setWidth(Width);
    return call;
}

}  // namespace xbase::expr
