#include "framework/ReportTabStops.h"

namespace rp {

void ReportTabStops::clear() {
    stops_.clear();
    lefts_.clear();
}

void ReportTabStops::add(const TabStop& stop) {
    const double after = stops_.empty() ? 0.0 : right(count() - 1);
    stops_.push_back(stop);
    lefts_.push_back(stop.position.value_or(after));
}

}  // namespace rp
