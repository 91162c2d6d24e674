#pragma once
// A line's tab stops: cells at set positions (or each directly after the one before), with a
// justification, an inner margin kept clear on both sides, box lines and a shade.
#include <QFlags>
#include <optional>
#include <vector>

#include "framework/ReportOps.h"

namespace rp {

enum class BoxLine { None = 0, Left = 1, Right = 2, Top = 4, Bottom = 8, All = 15 };
Q_DECLARE_FLAGS(BoxLines, BoxLine)
Q_DECLARE_OPERATORS_FOR_FLAGS(BoxLines)

struct TabStop {
    std::optional<double> position;  // nothing: directly after the previous stop
    TextAlign align = TextAlign::Left;
    double width = 1;
    double margin = 0;
    BoxLines boxes = BoxLine::None;
    int shade = 0;  // percent; 0 is no shade
};

class ReportTabStops {
  public:
    void clear();
    void add(const TabStop& stop);
    int count() const { return static_cast<int>(stops_.size()); }
    const TabStop& stop(int index) const { return stops_.at(static_cast<std::size_t>(index)); }
    // Where the stop begins: its own position, or the previous stop's right edge (0 for the first).
    double left(int index) const { return lefts_.at(static_cast<std::size_t>(index)); }
    double right(int index) const { return left(index) + stop(index).width; }

  private:
    std::vector<TabStop> stops_;
    std::vector<double> lefts_;
};

}  // namespace rp
