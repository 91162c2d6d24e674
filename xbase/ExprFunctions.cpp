#include "xbase/internal/ExprFunctions.h"

#include <algorithm>
#include <array>

#include "xbase/Ascii.h"

namespace xbase::expr {

namespace {

using V = ValueType;

const Node& chosen(const CallNode& n, const Context& c) {
    return n.arg(n.arg(0).logical(c) ? 1 : 2);
}
std::string_view iifText(const CallNode& n, const Context& c) {
    return chosen(n, c).text(c);
}
double iifNumber(const CallNode& n, const Context& c) {
    return chosen(n, c).number(c);
}
JulianDay iifDate(const CallNode& n, const Context& c) {
    return chosen(n, c).date(c);
}
bool iifLogical(const CallNode& n, const Context& c) {
    return chosen(n, c).logical(c);
}

int iifWidth(const CallNode& n, const Settings* s) {
    const int a = n.arg(1).width(s);
    return a == n.arg(2).width(s) ? a : -1;
}

std::unique_ptr<CallNode> buildIif(Args args) {
    const int decimals = std::max(args[1]->decimals(), args[2]->decimals());
    std::unique_ptr<CallNode> call;
    switch (args[1]->type()) {
        case V::Character:
            call = std::make_unique<CallNode>(iifText, std::move(args));
            break;
        case V::Numeric:
            call = std::make_unique<CallNode>(iifNumber, std::move(args), decimals);
            break;
        case V::Date:
            call = std::make_unique<CallNode>(iifDate, std::move(args));
            break;
        case V::Logical:
            call = std::make_unique<CallNode>(iifLogical, std::move(args));
            break;
    }
    call->setWidthRule(iifWidth);
    return call;
}

// Blank texts (blanks, tabs, line ends), 0, the empty date and .F. are empty.
bool empty(const CallNode& n, const Context& c) {
    const Node& a = n.arg(0);
    switch (a.type()) {
        case V::Character:
            return a.text(c).find_first_not_of(" \t\r\n") == std::string_view::npos;
        case V::Numeric:
            return a.number(c) == 0;
        case V::Date:
            return a.date(c) == 0;
        case V::Logical:
            return !a.logical(c);
    }
    return true;
}

bool deleted(const CallNode&, const Context& c) {
    return c.rec->deleted();
}
double recno(const CallNode&, const Context& c) {
    return c.rec->recNo();
}

constexpr FunctionDef kGeneralFunctions[] = {
    {"IIF", "Lx=", 3, buildIif},
    {"EMPTY", "x", 1, plainCall<empty>},
    {"DELETED", "", 0, plainCall<deleted>, false},
    {"RECNO", "", 0, plainCall<recno>, false},
};

std::array<std::span<const FunctionDef>, 4> groups() {
    return {kGeneralFunctions, textFunctions(), numberFunctions(), dateFunctions()};
}

// The function of that name, or the only one a name of four letters or more abbreviates.
const FunctionDef* findFunction(std::string_view name) {
    const FunctionDef* abbreviated = nullptr;
    for (auto group : groups()) {
        for (const FunctionDef& f : group) {
            if (equalsNoCase(f.name, name)) return &f;
            if (name.size() >= 4 && name.size() < f.name.size() &&
                equalsNoCase(f.name.substr(0, name.size()), name))
                abbreviated = &f;
        }
    }
    return abbreviated;
}

// The name a call of f is spelled with: the first one in the tables whose calls are built by the
// same builder, so that synonyms (TRIM and RTRIM) spell alike.
std::string_view spelledName(const FunctionDef& f) {
    for (auto group : groups())
        for (const FunctionDef& g : group)
            if (g.build == f.build) return g.name;
    return f.name;
}

std::string plural(std::size_t n) {
    return n == 1 ? " argument" : " arguments";
}

std::string countProblem(const FunctionDef& f, std::size_t given) {
    const std::size_t most = f.argTypes.size();
    std::string takes =
        most == 0           ? "no arguments"
        : f.minArgs == most ? std::to_string(most) + plural(most)
        : f.minArgs + 1 == most
            ? std::to_string(f.minArgs) + " or " + std::to_string(most) + " arguments"
            : std::to_string(f.minArgs) + " to " + std::to_string(most) + " arguments";
    return std::string(f.name) + " takes " + takes + ", not " + std::to_string(given);
}

// What the argument letter asks for, or "" when the type fits.
std::string mismatch(char want, V got, V before, std::size_t index) {
    switch (want) {
        case 'x':
            return "";
        case 'v':
            return got == V::Numeric || got == V::Date ? "" : "a number or a date";
        case '=':
            return got == before ? ""
                                 : "of the same type as argument " + std::to_string(index) +
                                       " (a " + typeName(before) + ")";
        default: {
            const V wanted = want == 'C'   ? V::Character
                             : want == 'N' ? V::Numeric
                             : want == 'D' ? V::Date
                                           : V::Logical;
            return got == wanted ? "" : std::string("a ") + typeName(wanted);
        }
    }
}

}  // namespace

bool isFunctionName(std::string_view name) {
    return findFunction(name) != nullptr;
}

NodePtr makeFunctionCall(const Token& name, std::vector<Operand> operands, const Source& src) {
    const FunctionDef* f = findFunction(name.text);
    if (!f) src.fail("Unknown function \"" + std::string(name.text) + "\"", name.offset);
    if (operands.size() < f->minArgs || operands.size() > f->argTypes.size())
        src.fail(countProblem(*f, operands.size()), name.offset);
    Args args;
    V before = V::Character;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        const V got = operands[i].node->type();
        const std::string wanted = mismatch(f->argTypes[i], got, before, i);
        if (!wanted.empty())
            src.fail(std::string(f->name) + " argument " + std::to_string(i + 1) + " must be " +
                         wanted + ", not a " + typeName(got),
                     operands[i].offset);
        args.push_back(std::move(operands[i].node));
        before = got;
    }
    return finishCall(f->build(std::move(args)), name, f->foldable, src, spelledName(*f));
}

}  // namespace xbase::expr
