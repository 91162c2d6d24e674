#include "xbase/internal/ExprNumber.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace xbase::expr {

namespace {

// A finite number as significant decimal digits: digits[0] stands for 10^exponent; no leading
// or trailing zeros, count 0 for zero. At most 15 digits are kept, the precision xBase shows.
struct Decimal {
    char digits[24];
    int count = 0;
    int exponent = 0;
    bool negative = false;

    char digitAt(int power) const {
        int i = exponent - power;
        return i >= 0 && i < count ? digits[i] : '0';
    }
    void dropTrailingZeros() {
        while (count > 0 && digits[count - 1] == '0') --count;
    }
};

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

void setDigits(Decimal& d, std::uint64_t whole) {
    auto r = std::to_chars(d.digits, d.digits + sizeof d.digits, whole);
    d.count = static_cast<int>(r.ptr - d.digits);
}

// The 15 significant digits of a in [1e-8, 1e15) by scaling with an exact power of ten (the
// common case of amounts and the like); false when a is outside that range.
bool scaledDigits(double a, Decimal& d) {
    int e = static_cast<int>(std::floor(std::log10(a)));
    if (e < -8 || e > 14) return false;
    double scaled = a * kPowersOfTen[14 - e];
    // log10 may land one off near a power of ten.
    if (scaled >= 1e15 && e < 14) scaled = a * kPowersOfTen[14 - ++e];
    if (scaled < 1e14 && e > -8) scaled = a * kPowersOfTen[14 - --e];
    if (scaled < 1e14 || scaled >= 1e15) return false;
    auto whole = static_cast<std::uint64_t>(std::llround(scaled));
    if (whole == 1000000000000000u) whole /= 10, ++e;
    setDigits(d, whole);
    d.exponent = e;
    return true;
}

Decimal toDecimal(double value) {
    Decimal d;
    d.negative = value < 0;
    double a = std::fabs(value);
    if (a == 0) return d;
    if (a < 1e15 && a == std::floor(a)) {
        setDigits(d, static_cast<std::uint64_t>(a));
        d.exponent = d.count - 1;
    } else if (!scaledDigits(a, d)) {
        // "d.dddddddddddddde+XX"
        char buf[32];
        auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
        d.digits[0] = buf[0];
        std::memcpy(d.digits + 1, buf + 2, 14);
        d.count = 15;
        const char* e = buf + 17;
        if (*e == '+') ++e;
        std::from_chars(e, r.ptr, d.exponent);
    }
    d.dropTrailingZeros();
    return d;
}

// Keeps `decimals` places after the point (negative: before it), rounding half away from zero.
void roundTo(Decimal& d, int decimals) {
    int keep = d.exponent + decimals + 1;
    if (d.count == 0 || keep >= d.count) return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') --i;
        if (i < 0) {
            d.digits[0] = '1';
            d.count = 1;
            ++d.exponent;
        } else {
            ++d.digits[i];
            d.count = i + 1;
        }
    }
    d.dropTrailingZeros();
}

}  // namespace

double parseNumber(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t start = i;
    bool point = false, wholeNonZero = false;
    int digits = 0, fractionDigits = 0;
    std::uint64_t mantissa = 0;  // of the first 19 digits
    for (; i < n; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++digits <= 19) mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            fractionDigits += point;
            wholeNonZero = wholeNonZero || (!point && c != '0');
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return 0;
    double value = 0;
    if (digits <= 15) {
        // Both exact in a double, so the quotient is rounded as from_chars would round it.
        value = static_cast<double>(mantissa) / kPowersOfTen[fractionDigits];
    } else if (std::from_chars(text.data() + start, text.data() + i, value).ec ==
               std::errc::result_out_of_range) {
        value = wholeNonZero ? HUGE_VAL : 0.0;
    }
    return negative && value != 0 ? -value : value;
}

int decimalsWritten(std::string_view number) {
    const std::size_t point = number.find('.');
    return point == std::string_view::npos
               ? 0
               : std::min(15, static_cast<int>(number.size() - point - 1));
}

void formatNumber(double value, int length, int decimals, std::string& out) {
    length = std::clamp(length, 0, kMaxBuiltText);
    decimals = std::clamp(decimals, 0, length);
    if (!std::isfinite(value)) {
        out.assign(static_cast<std::size_t>(length), '*');
        return;
    }
    // A whole number shown without decimals (a sequence number, a count) is its digits as they
    // are, which to_chars gives without the decimal expansion below.
    if (decimals == 0 && std::fabs(value) < 1e15 && value == std::trunc(value)) {
        const auto whole = static_cast<std::uint64_t>(std::fabs(value));
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
        const bool minus = value < 0;  // never -0, which is whole 0 and not below 0
        const auto needed = static_cast<int>(end - digits) + (minus ? 1 : 0);
        if (needed > length) {
            out.assign(static_cast<std::size_t>(length), '*');
            return;
        }
        out.assign(static_cast<std::size_t>(length - needed), ' ');
        if (minus) out += '-';
        out.append(digits, static_cast<std::size_t>(end - digits));
        return;
    }
    const Decimal exact = toDecimal(value);
    for (;;) {
        Decimal d = exact;
        roundTo(d, decimals);
        const int whole = d.count > 0 && d.exponent >= 0 ? d.exponent + 1 : 1;
        const int minus = d.negative && d.count > 0 ? 1 : 0;
        const int needed = minus + whole + (decimals > 0 ? decimals + 1 : 0);
        if (needed <= length) {
            out.assign(static_cast<std::size_t>(length - needed), ' ');
            if (minus) out += '-';
            for (int p = whole - 1; p >= 0; --p) out += d.digitAt(p);
            if (decimals > 0) out += '.';
            for (int p = 1; p <= decimals; ++p) out += d.digitAt(-p);
            return;
        }
        if (decimals == 0 || minus + whole > length) {
            out.assign(static_cast<std::size_t>(length), '*');
            return;
        }
        decimals = std::max(0, length - minus - whole - 1);
    }
}

double roundNumber(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    Decimal d = toDecimal(value);
    roundTo(d, decimals);
    if (d.count == 0) return 0;
    // The kept digits as a whole number times a power of ten: "123e-2".
    char buf[48];
    std::memcpy(buf, d.digits, static_cast<std::size_t>(d.count));
    char* end = buf + d.count;
    *end++ = 'e';
    end = std::to_chars(end, buf + sizeof buf, d.exponent - (d.count - 1)).ptr;
    double result = 0;
    if (std::from_chars(buf, end, result).ec == std::errc::result_out_of_range)
        result = d.exponent > 0 ? HUGE_VAL : 0.0;
    return d.negative ? -result : result;
}

int toInt(double value, int limit) {
    if (std::isnan(value)) return 0;
    if (value >= limit) return limit;
    if (value <= -limit) return -limit;
    return static_cast<int>(value);
}

}  // namespace xbase::expr
