// Queries answered with the help of an index: the candidates of a filter come from a tag's
// key range when one of its conjuncts compares that tag's key with a constant, and navigation
// in an order keeps within the ranges its conjuncts give on that order's keys. Every record
// reached is still tested against the whole filter, so a range only has to hold every record
// that can match.
#include <algorithm>

#include "xbase/Ascii.h"
#include "xbase/internal/IndexCursor.h"
#include "xbase/internal/IndexKey.h"
#include "xbase/internal/IndexTag.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

using Term = Expression::IndexableTerm;
using Op = Term::Op;

// The range for a term on keys that begin with the term's value. Character comparisons look at
// as many leading characters as the constant has (exactly, or after padding with blanks when
// exact matching is on), so keys whose leading bytes compare the same way hold every match
// of a value at least as long as the constant (shorter ones: see characterRange).
std::optional<KeyRange> rangeFor(const Term& term, std::string prefix) {
    if (term.op == Op::Equal) return KeyRange{prefix, prefix};
    if (term.op == Op::GreaterOrEqual || term.op == Op::Greater)
        return KeyRange{std::move(prefix), {}};
    return KeyRange{{}, std::move(prefix)};
}

std::optional<KeyRange> characterRange(const Term& term, int operandWidth) {
    std::string text = term.exactEqual ? std::string(trimRight(term.text)) : term.text;
    // A constant longer than the operand compares bytes that lie beyond it in the key.
    if (text.empty() || operandWidth < 0 || text.size() > static_cast<std::size_t>(operandWidth))
        return std::nullopt;
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

std::optional<KeyRange> valueRange(const Term& term, KeyType type) {
    switch (type) {
        case KeyType::Numeric:
            return rangeFor(term, encodeNumericKey(term.number));
        case KeyType::Date:
            return rangeFor(term, encodeDateKey(term.date));
        case KeyType::Logical:
            if (term.op != Op::Equal) return std::nullopt;
            return rangeFor(term, encodeLogicalKey(term.logical));
        default:
            return std::nullopt;
    }
}

bool sameType(ValueType value, KeyType key) {
    switch (key) {
        case KeyType::Numeric:
            return value == ValueType::Numeric;
        case KeyType::Date:
            return value == ValueType::Date;
        case KeyType::Logical:
            return value == ValueType::Logical;
        default:
            return value == ValueType::Character;
    }
}

// The range of a tag's keys that holds the key of every record passing the term, when the term
// compares the tag's key, or its leading term, with a constant.
std::optional<KeyRange> keyRange(const Term& term, const Expression& key, KeyType type,
                                 const IndexTag& tag) {
    if (tag.descending() || !sameType(term.operandType, type)) return std::nullopt;
    if (term.operand == key.canonical())
        return type == KeyType::Character ? characterRange(term, static_cast<int>(tag.keyLength()))
                                          : valueRange(term, type);
    if (type != KeyType::Character) return std::nullopt;
    std::vector<std::string> leading = key.leadingTerms();
    if (std::find(leading.begin(), leading.end(), term.operand) == leading.end())
        return std::nullopt;
    return characterRange(term, term.operandWidth);
}

}  // namespace

void TableImpl::planQuery() {
    plan_ = QueryPlan{};
    boundsKnown_ = false;
    if (!filter_) return;
    for (const Term& term : filter_->indexableTerms()) {
        for (const Order& o : orders_) {
            // Only tags that list every record qualify.
            if (!listsEveryRecord(o)) continue;
            std::optional<KeyRange> range = keyRange(term, o.key, o.type, *o.tag);
            if (!range) continue;
            // An equality narrows best; otherwise the first usable term serves.
            if (!plan_.tag || term.op == Op::Equal) {
                plan_.tag = o.tag;
                plan_.range = std::move(*range);
            }
            if (term.op == Op::Equal) return;
        }
    }
}

const KeyRange& TableImpl::bounds() {
    if (boundsKnown_) return bounds_;
    bounds_ = scope_;
    // Every conjunct's range holds the keys of the records that pass, so navigation need not
    // look past any of them. A tag that leaves records out (a condition, a unique key) lists
    // the others under their keys all the same; an index file lists keys as they were added,
    // which its records may no longer have.
    const Order& o = currentOrder();
    if (filter_ && !o.file)
        for (const Term& term : filter_->indexableTerms())
            if (std::optional<KeyRange> range = keyRange(term, o.key, o.type, *o.tag))
                bounds_.narrow(*range);
    boundsKnown_ = true;
    return bounds_;
}

void TableImpl::dropQueryCandidates() {
    plan_.computed = false;
    plan_.candidates.clear();
}

const std::vector<std::uint32_t>* TableImpl::queryCandidates() {
    if (!plan_.tag) return nullptr;
    if (!plan_.computed) {
        IndexCursor cursor(*plan_.tag);
        const KeyRange& range = plan_.range;
        bool on = range.low.empty() ? cursor.first() : (cursor.seek(range.low), cursor.valid());
        for (; on && !range.above(cursor.key()); on = cursor.next())
            if (cursor.recno() >= 1 && cursor.recno() <= count_)
                plan_.candidates.push_back(cursor.recno());
        std::sort(plan_.candidates.begin(), plan_.candidates.end());
        plan_.computed = true;
    }
    return &plan_.candidates;
}

}  // namespace xbase
