#include "mailpiece/PostnetBars.h"

#include "mailpiece/Postnet.h"

namespace rp {

const std::array<Bar, 5>& digitBars(int digit) {
    constexpr Bar F = Bar::Full;
    constexpr Bar H = Bar::Half;
    static constexpr std::array<std::array<Bar, 5>, 10> bars{{
        {F, F, H, H, H},  // 0
        {H, H, H, F, F},  // 1
        {H, H, F, H, F},  // 2
        {H, H, F, F, H},  // 3
        {H, F, H, H, F},  // 4
        {H, F, H, F, H},  // 5
        {H, F, F, H, H},  // 6
        {F, H, H, H, F},  // 7
        {F, H, H, F, H},  // 8
        {F, H, F, H, H},  // 9
    }};
    return bars.at(static_cast<std::size_t>(digit));
}

std::vector<Bar> postnetBars(const QString& barcodeText) {
    const QString digits = digitsOnly(barcodeText);
    const QString data = digits + postnetCheckDigit(digits);
    std::vector<Bar> bars;
    bars.reserve(static_cast<std::size_t>(data.size()) * 5 + 2);
    bars.push_back(Bar::Full);
    for (QChar c : data) {
        const std::array<Bar, 5>& digit = digitBars(c.digitValue());
        bars.insert(bars.end(), digit.begin(), digit.end());
    }
    bars.push_back(Bar::Full);
    return bars;
}

}  // namespace rp
