// Queries answered with the help of an index: the candidates of a filter come from a tag's
// key range when one of its conjuncts compares that tag's key with a constant. Every candidate
// is still tested against the whole filter, so the range only has to hold every record that
// can match.
#include <algorithm>

#include "xbase/Ascii.h"
#include "xbase/Table.h"

namespace xbase {

namespace {

using Term = Expression::IndexableTerm;
using Op = Term::Op;

struct Range {
    std::string low, high;
};

// The range for a term on keys that begin with the term's value. Character comparisons look at
// as many leading characters as the constant has (exactly, or after padding with blanks when
// exact matching is on), so keys whose leading bytes compare the same way hold every match
// of a value at least as long as the constant (shorter ones: see characterRange).
std::optional<Range> rangeFor(const Term& term, std::string prefix) {
    if (term.op == Op::Equal) return Range{prefix, prefix};
    if (term.op == Op::GreaterOrEqual || term.op == Op::Greater) return Range{std::move(prefix), {}};
    return Range{{}, std::move(prefix)};
}

std::optional<Range> characterRange(const Term& term, int operandWidth) {
    std::string text = term.exactEqual ? std::string(trimRight(term.text)) : term.text;
    // A constant longer than the operand compares bytes that lie beyond it in the key.
    if (text.empty() || operandWidth < 0 || text.size() > static_cast<std::size_t>(operandWidth)) return std::nullopt;
    if (term.op == Op::Less || term.op == Op::LessOrEqual) {
        // Without exact matching a shorter value that begins the constant compares less ("AB"
        // is below "AB<tab>"; only these two orderings can match it), yet its key, padded with
        // blanks, sorts above the constant when a byte below the blank follows that beginning.
        // So the upper end reads the constant as blanks from its first such byte on ("AB "):
        // that bound holds those keys, and as it lies above the constant, every key the
        // constant itself bounds as well.
        auto belowBlank = [](char c) { return static_cast<unsigned char>(c) < ' '; };
        std::fill(std::find_if(text.begin(), text.end(), belowBlank), text.end(), ' ');
    }
    return rangeFor(term, std::move(text));
}

std::optional<Range> valueRange(const Term& term, KeyType type) {
    switch (type) {
        case KeyType::Numeric: return rangeFor(term, encodeNumericKey(term.number));
        case KeyType::Date: return rangeFor(term, encodeDateKey(term.date));
        case KeyType::Logical:
            if (term.op != Op::Equal) return std::nullopt;
            return rangeFor(term, encodeLogicalKey(term.logical));
        default: return std::nullopt;
    }
}

bool sameType(ValueType value, KeyType key) {
    switch (key) {
        case KeyType::Numeric: return value == ValueType::Numeric;
        case KeyType::Date: return value == ValueType::Date;
        case KeyType::Logical: return value == ValueType::Logical;
        default: return value == ValueType::Character;
    }
}

}  // namespace

void Table::planQuery() {
    plan_ = QueryPlan{};
    if (!filter_) return;
    for (const Term& term : filter_->indexableTerms()) {
        for (const Order& o : orders_) {
            // Only tags that list every record qualify.
            if (!listsEveryRecord(o) || o.tag->descending() || !sameType(term.operandType, o.type))
                continue;
            std::optional<Range> range;
            if (term.operand == o.key.canonical()) {
                range = o.type == KeyType::Character ? characterRange(term, static_cast<int>(o.tag->keyLength()))
                                                     : valueRange(term, o.type);
            } else if (o.type == KeyType::Character) {
                std::vector<std::string> leading = o.key.leadingTerms();
                if (std::find(leading.begin(), leading.end(), term.operand) != leading.end())
                    range = characterRange(term, term.operandWidth);
            }
            if (!range) continue;
            // An equality narrows best; otherwise the first usable term serves.
            if (!plan_.tag || term.op == Op::Equal) {
                plan_.tag = o.tag;
                plan_.low = std::move(range->low);
                plan_.high = std::move(range->high);
            }
            if (term.op == Op::Equal) return;
        }
    }
}

void Table::dropQueryCandidates() {
    plan_.computed = false;
    plan_.candidates.clear();
}

const std::vector<std::uint32_t>* Table::queryCandidates() {
    if (!plan_.tag) return nullptr;
    if (!plan_.computed) {
        IndexCursor cursor(*plan_.tag);
        bool on = plan_.low.empty() ? cursor.first() : (cursor.seek(plan_.low), cursor.valid());
        for (; on; on = cursor.next()) {
            std::string_view key = cursor.key();
            if (!plan_.high.empty() && key.substr(0, plan_.high.size()) > plan_.high) break;
            if (cursor.recno() >= 1 && cursor.recno() <= count_) plan_.candidates.push_back(cursor.recno());
        }
        std::sort(plan_.candidates.begin(), plan_.candidates.end());
        plan_.computed = true;
    }
    return &plan_.candidates;
}

}  // namespace xbase
