#pragma once
// A range of an order's keys bounded by key prefixes: the keys whose leading bytes, as many as
// a bound has, are not below low and not above high. An empty bound leaves that end open.
// Scopes are such ranges, and so are the ranges a query's conjuncts give on a tag's keys.
#include <string>
#include <string_view>

namespace xbase {

struct KeyRange {
    std::string low, high;

    bool unbounded() const { return low.empty() && high.empty(); }
    bool below(std::string_view key) const {
        return !low.empty() && key.substr(0, low.size()) < low;
    }
    bool above(std::string_view key) const {
        return !high.empty() && key.substr(0, high.size()) > high;
    }
    // Keeps only the keys that the other range holds as well. Bounds are no longer than the
    // keys they bound.
    void narrow(const KeyRange& other);
};

}  // namespace xbase
