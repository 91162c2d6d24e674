#include "xbase/internal/ExprParser.h"

#include "xbase/internal/ExprCompare.h"
#include "xbase/internal/ExprFields.h"
#include "xbase/internal/ExprFunctions.h"
#include "xbase/internal/ExprLexer.h"
#include "xbase/internal/ExprNumber.h"
#include "xbase/internal/ExprOperators.h"

namespace xbase::expr {

namespace {

bool isComparison(Tok k) {
    switch (k) {
        case Tok::Equal:
        case Tok::ExactEqual:
        case Tok::NotEqual:
        case Tok::Less:
        case Tok::LessEqual:
        case Tok::Greater:
        case Tok::GreaterEqual:
        case Tok::Contains:
            return true;
        default:
            return false;
    }
}

class Parser {
  public:
    Parser(const Source& src, const FieldList& fields) : src_(src), fields_(fields), lexer_(src) {
        advance();
    }

    NodePtr parseAll() {
        if (cur_.kind == Tok::End) src_.fail("Empty expression", 0);
        Operand e = expression();
        if (cur_.kind != Tok::End) fail("Unexpected " + shown(cur_));
        return std::move(e.node);
    }

  private:
    // Counts one level of recursion for as long as it lives.
    class Nesting {
      public:
        Nesting(Parser& p, std::size_t offset) : p_(p) {
            if (++p_.depth_ > kMaxNesting) p_.src_.fail("Expression nested too deeply", offset);
        }
        ~Nesting() { --p_.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

      private:
        Parser& p_;
    };

    void advance() {
        prev_ = cur_;
        cur_ = lexer_.next();
    }

    // A token as written, quoted (texts keep their own quotes), long ones cut short.
    std::string shown(const Token& t) const {
        const std::string_view written = src_.text().substr(t.offset, t.end - t.offset);
        std::string s(written.substr(0, 20));
        if (written.size() > 20) s += "...";
        return t.kind == Tok::Text ? s : "\"" + s + "\"";
    }

    // Fails at the current token. A token glued to the end of a text usually means a quote
    // typed inside the text (O"BRIEN), so the message says so.
    [[noreturn]] void fail(std::string problem) const {
        if (prev_.kind == Tok::Text && cur_.offset == prev_.end && cur_.kind != Tok::End)
            problem +=
                " right after a closing quote (a text that contains a quote must be enclosed in "
                "another kind of quote: \"...\", '...' or [...])";
        src_.fail(problem, cur_.offset);
    }

    [[noreturn]] void expected(const std::string& what) const {
        if (cur_.kind == Tok::End) fail("Missing " + what);
        fail("Expected " + what + " but found " + shown(cur_));
    }

    Operand expression() {
        Nesting level(*this, cur_.offset);
        return chain(Tok::Or, &Parser::andChain);
    }

    Operand andChain() { return chain(Tok::And, &Parser::negation); }

    Operand chain(Tok kind, Operand (Parser::*operand)()) {
        Operand first = (this->*operand)();
        if (cur_.kind != kind) return first;
        const Token op = cur_;
        const std::size_t offset = first.offset;
        std::vector<Operand> operands;
        operands.push_back(std::move(first));
        while (cur_.kind == kind) {
            advance();
            operands.push_back((this->*operand)());
        }
        return {makeLogicalChain(op, std::move(operands), src_), offset};
    }

    Operand negation() {
        if (cur_.kind != Tok::Not) return comparison();
        const Token op = cur_;
        advance();
        Nesting level(*this, op.offset);
        Operand operand = negation();
        return {makeNot(op, std::move(operand), src_), op.offset};
    }

    Operand comparison() {
        Operand left = sum();
        while (isComparison(cur_.kind)) {
            const Token op = cur_;
            advance();
            Operand right = sum();
            const std::size_t offset = left.offset;
            left = {makeComparison(op, std::move(left), std::move(right), src_), offset};
        }
        return left;
    }

    Operand sum() {
        Operand left = product();
        while (cur_.kind == Tok::Plus || cur_.kind == Tok::Minus) {
            const Token op = cur_;
            advance();
            Operand right = product();
            const std::size_t offset = left.offset;
            left = {makeArithmetic(op, std::move(left), std::move(right), src_), offset};
        }
        return left;
    }

    Operand product() {
        Operand left = unary();
        while (cur_.kind == Tok::Star || cur_.kind == Tok::Slash || cur_.kind == Tok::Percent) {
            const Token op = cur_;
            advance();
            Operand right = unary();
            const std::size_t offset = left.offset;
            left = {makeArithmetic(op, std::move(left), std::move(right), src_), offset};
        }
        return left;
    }

    // Signs, and a .NOT. that follows an operator ("X = .NOT. Y") binding to one operand.
    Operand unary() {
        if (cur_.kind != Tok::Plus && cur_.kind != Tok::Minus && cur_.kind != Tok::Not)
            return primary();
        const Token op = cur_;
        advance();
        Nesting level(*this, op.offset);
        Operand operand = unary();
        NodePtr node = op.kind == Tok::Not ? makeNot(op, std::move(operand), src_)
                                           : makeSign(op, std::move(operand), src_);
        return {std::move(node), op.offset};
    }

    Operand primary() {
        const Token t = cur_;
        switch (t.kind) {
            case Tok::Number:
                advance();
                return {Literal::makeNumber(parseNumber(t.text), decimalsWritten(t.text)),
                        t.offset};
            case Tok::Text:
                advance();
                return {Literal::makeText(std::string(t.text)), t.offset};
            case Tok::True:
            case Tok::False:
                advance();
                return {Literal::makeLogical(t.kind == Tok::True), t.offset};
            case Tok::LParen: {
                advance();
                Operand inner = expression();
                if (cur_.kind != Tok::RParen) expected("\")\"");
                advance();
                inner.offset = t.offset;
                return inner;
            }
            case Tok::Name:
                advance();
                return name(t);
            case Tok::End:
                fail("Unexpected end of expression");
            default:
                fail("Unexpected " + shown(t));
        }
    }

    Operand name(const Token& t) {
        if (cur_.kind == Tok::LParen) return call(t);
        Token field = t;
        if (cur_.kind == Tok::Arrow) {  // alias->FIELD: the alias is not checked
            advance();
            if (cur_.kind != Tok::Name) expected("a field name after \"->\"");
            field = cur_;
            advance();
        }
        const int n = findField(fields_, field.text);
        if (n == 0) {
            std::string problem = "Unknown field or function \"" + std::string(field.text) + "\"";
            if (isFunctionName(field.text))
                problem += " (a function needs parentheses, as in DATE())";
            src_.fail(problem, field.offset);
        }
        return {makeField(fields_[static_cast<std::size_t>(n) - 1], n), t.offset};
    }

    Operand call(const Token& name) {
        advance();  // (
        std::vector<Operand> args;
        if (cur_.kind != Tok::RParen) {
            for (;;) {
                args.push_back(expression());
                if (cur_.kind != Tok::Comma) break;
                advance();
            }
        }
        if (cur_.kind != Tok::RParen) expected("\",\" or \")\"");
        advance();
        return {makeFunctionCall(name, std::move(args), src_), name.offset};
    }

    const Source& src_;
    const FieldList& fields_;
    Lexer lexer_;
    Token cur_, prev_;
    int depth_ = 0;
};

}  // namespace

NodePtr parse(std::string_view text, const FieldList& fields) {
    const Source src(text);
    return Parser(src, fields).parseAll();
}

}  // namespace xbase::expr
