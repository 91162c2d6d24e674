#include "xbase/OrderSample.h"

#include <algorithm>

#include "xbase/internal/IndexKey.h"

namespace xbase {

OrderSample::OrderSample(Table& table, std::size_t size) {
    if (table.order() > 0) key_ = table.compile(table.orderKeyExpression());
    std::optional<Expression> filter;
    if (!table.filter().empty()) filter = table.compile(table.filter());
    const Settings& settings = table.engine().settings;

    const std::uint64_t count = table.recordCount();
    const std::uint64_t taken = std::min<std::uint64_t>(size, count);
    entries_.reserve(taken);
    for (std::uint64_t i = 0; i < taken; ++i) {
        // The middle of each of `taken` equal stretches of the file.
        table.go(static_cast<std::uint32_t>(1 + (2 * i + 1) * count / (2 * taken)));
        if (settings.hideDeleted && table.deleted()) continue;
        if (filter && !filter->evalLogical(table, settings)) continue;
        entries_.push_back({keyOf(table), table.recNo()});
    }
    std::sort(entries_.begin(), entries_.end(), before);
}

std::string OrderSample::keyOf(const Table& table) const {
    if (!key_) return {};
    const Settings& settings = table.engine().settings;
    switch (key_->type()) {
        case ValueType::Numeric:
            return encodeNumericKey(key_->evalNumber(table, settings));
        case ValueType::Date:
            return encodeDateKey(key_->evalDate(table, settings));
        case ValueType::Logical:
            return encodeLogicalKey(key_->evalLogical(table, settings));
        case ValueType::Character:
            break;
    }
    return encodeCharacterKey(key_->evalString(table, settings), kMaxKeyLength);
}

bool OrderSample::before(const Entry& a, const Entry& b) {
    return compareIndexEntries(a.key, a.recno, b.key, b.recno) < 0;
}

std::uint32_t OrderSample::recordAt(double fraction) const {
    if (entries_.empty()) return 0;
    const double last = static_cast<double>(entries_.size() - 1);
    const auto i = static_cast<std::size_t>(std::clamp(fraction, 0.0, 1.0) * last + 0.5);
    return entries_[i].recno;
}

double OrderSample::fractionBefore(const Table& table) const {
    if (entries_.empty()) return 0;
    const Entry here{keyOf(table), table.recNo()};
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), here, before);
    return static_cast<double>(at - entries_.begin()) / static_cast<double>(entries_.size());
}

}  // namespace xbase
