#pragma once
// The bars of a POSTNET barcode and the measures they are drawn with. A barcode is a full
// frame bar, five bars for each digit of the data (two of them full), and a full frame bar;
// bar i stands at x = i * kBarPitch from the barcode's left edge, its top kBarTop(bar) below
// the barcode's top, and every bar ends on the baseline kFullBarHeight below the top.
#include <QString>
#include <array>
#include <vector>

namespace rp {

// Measures in inches.
inline constexpr double kFullBarHeight = 0.125;
inline constexpr double kHalfBarHeight = kFullBarHeight * 0.5;
inline constexpr double kBarPitch = 0.045;
inline constexpr double kBarWidth = 0.018;
// The pen in the report engine's hundredths of an inch: kBarWidth truncated to them.
inline constexpr int kBarPenHundredths = static_cast<int>(kBarWidth * 100);
// How far the barcode's top lies above the top of the address block's first line.
inline constexpr double kBarcodeLift = 0.165;

enum class Bar { Half, Full };

constexpr double barTop(Bar bar) {
    return bar == Bar::Full ? 0.0 : kFullBarHeight - kHalfBarHeight;
}

// The five bars of a digit, left to right.
const std::array<Bar, 5>& digitBars(int digit);

// The bars for a barcode text: its digits (others dropped) and their correction digit,
// between the two frame bars.
std::vector<Bar> postnetBars(const QString& barcodeText);

}  // namespace rp
