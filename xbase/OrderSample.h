#pragma once
// A sample of the records a table's navigation shows, sorted as its current order lists
// them. Where a record falls among the sample estimates its position in that order, and the
// sample record a fraction of the way down estimates the record at that position: a browsing
// grid's way to a row too far from any known row to reach by skipping.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "xbase/Expression.h"
#include "xbase/Table.h"

namespace xbase {

class OrderSample {
  public:
    // Reads up to size records spread evenly over the file and keeps those that the hidden
    // deleted setting and the filter let through, with their keys in the current order. The
    // table is left standing on the last record read.
    OrderSample(Table& table, std::size_t size);

    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }
    // The sampled record fraction (0 to 1) of the way down the order.
    std::uint32_t recordAt(double fraction) const;
    // The share of the sample that the order lists before the table's current record.
    double fractionBefore(const Table& table) const;

  private:
    struct Entry {
        std::string key;
        std::uint32_t recno;
    };
    // The current record's key as the order's index holds it; empty in natural order, where
    // the record number alone decides.
    std::string keyOf(const Table& table) const;
    static bool before(const Entry& a, const Entry& b);

    std::optional<Expression> key_;
    std::vector<Entry> entries_;
};

}  // namespace xbase
