#pragma once
// The largest page the program lays out or prints: a PDF page is at most 14,400 points
// (200 inches) a side, and Qt's drawing coordinates overflow not far beyond.
#include <QString>

namespace rp {

inline constexpr double kLargestPageSideInches = 200.0;

// True when a page side of this many inches can be printed (more than 0, at most 200).
bool isPrintablePageSide(double inches);

// The message refusing the value of the box named (its label, as the user sees it) because it
// makes a page side larger than 200 inches.
QString pageSideTooLargeText(const QString& boxName);

}  // namespace rp
