// Text functions: case, trimming, parts of texts, building texts, and character codes.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "xbase/internal/ExprFunctions.h"
#include "xbase/internal/ExprNumber.h"

namespace xbase::expr {

namespace {

constexpr int kMaxPosition = 1 << 30;

struct Range {
    std::size_t from = 0, count = 0;
};

// SUBSTR(text, start[, count]) of a text of `size` characters: a start below 1 counts as 1, a
// start past the end or a negative count gives "", a count past the end stops at the end.
Range substrRange(std::size_t size, double start, std::optional<double> count) {
    const auto from = static_cast<std::size_t>(std::max(1, toInt(start, kMaxPosition)) - 1);
    if (from >= size) return {size, 0};
    std::size_t n = size - from;
    if (count) n = std::min(n, static_cast<std::size_t>(std::max(0, toInt(*count, kMaxPosition))));
    return {from, n};
}

// The first n (or last n) characters of a text of `size`.
Range leftRange(std::size_t size, double n) {
    return {0, std::min(size, static_cast<std::size_t>(std::max(0, toInt(n, kMaxPosition))))};
}
Range rightRange(std::size_t size, double n) {
    const Range r = leftRange(size, n);
    return {size - r.count, r.count};
}

std::size_t builtCount(double n) {
    return static_cast<std::size_t>(std::max(0, toInt(n, kMaxBuiltText)));
}

std::string_view part(std::string_view s, Range r) {
    return s.substr(r.from, r.count);
}

// UPPER and LOWER run on every record of filters and index keys, so they change eight bytes at
// a time: the ASCII letters First..Last get their case bit 0x20 flipped. A byte's top bit ends
// up set by the first sum when it is >= First, by the second when it is > Last.
template <char First, char Last>
std::uint64_t flipCase(std::uint64_t x) {
    constexpr std::uint64_t ones = 0x0101010101010101u, tops = 0x8080808080808080u;
    const std::uint64_t low7 = x & ~tops;
    const std::uint64_t atLeastFirst = low7 + ones * (0x80 - First);
    const std::uint64_t aboveLast = low7 + ones * (0x80 - Last - 1);
    return x ^ (atLeastFirst & ~aboveLast & ~x & tops) >> 2;
}

template <char First, char Last>
std::string_view changeCase(const CallNode& n, const Context& c) {
    const std::string_view in = n.arg(0).text(c);
    std::string& out = n.scratch();
    out.resize(in.size());
    std::size_t i = 0;
    std::uint64_t x;
    for (; i + 8 <= in.size(); i += 8) {
        std::memcpy(&x, in.data() + i, 8);
        x = flipCase<First, Last>(x);
        std::memcpy(out.data() + i, &x, 8);
    }
    if (i == in.size()) return out;
    if (in.size() >= 8) {
        // The last eight bytes again, overlapping the words done: they come out the same.
        i = in.size() - 8;
        std::memcpy(&x, in.data() + i, 8);
        x = flipCase<First, Last>(x);
        std::memcpy(out.data() + i, &x, 8);
        return out;
    }
    x = 0;
    std::memcpy(&x, in.data() + i, in.size() - i);
    x = flipCase<First, Last>(x);
    std::memcpy(out.data() + i, &x, in.size() - i);
    return out;
}

std::string_view stripLeading(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}
std::string_view stripTrailing(std::string_view s) {
    return s.substr(0, s.find_last_not_of(' ') + 1);
}

std::string_view ltrim(const CallNode& n, const Context& c) {
    return stripLeading(n.arg(0).text(c));
}
std::string_view rtrim(const CallNode& n, const Context& c) {
    return stripTrailing(n.arg(0).text(c));
}
std::string_view alltrim(const CallNode& n, const Context& c) {
    return stripLeading(stripTrailing(n.arg(0).text(c)));
}

std::optional<double> optionalArg(const CallNode& n, std::size_t i, const Context& c) {
    if (i >= n.argCount()) return std::nullopt;
    return n.arg(i).number(c);
}

std::string_view substr(const CallNode& n, const Context& c) {
    const std::string_view s = n.arg(0).text(c);
    const double start = n.arg(1).number(c);
    return part(s, substrRange(s.size(), start, optionalArg(n, 2, c)));
}

std::string_view left(const CallNode& n, const Context& c) {
    const std::string_view s = n.arg(0).text(c);
    return part(s, leftRange(s.size(), n.arg(1).number(c)));
}

std::string_view right(const CallNode& n, const Context& c) {
    const std::string_view s = n.arg(0).text(c);
    return part(s, rightRange(s.size(), n.arg(1).number(c)));
}

std::string_view space(const CallNode& n, const Context& c) {
    n.scratch().assign(builtCount(n.arg(0).number(c)), ' ');
    return n.scratch();
}

// Whole copies only, as many as fit in kMaxBuiltText characters.
std::string_view replicate(const CallNode& n, const Context& c) {
    const std::string_view s = n.arg(0).text(c);
    std::size_t times = builtCount(n.arg(1).number(c));
    if (!s.empty()) times = std::min(times, kMaxBuiltText / s.size());
    std::string& out = n.scratch();
    out.clear();
    for (std::size_t i = 0; i < times && !s.empty(); ++i) out.append(s);
    return out;
}

// PADL and PADR: the text cut to its first `length` characters or filled up to them with the
// first character of the fill text (a blank when there is none).
template <bool FillLeft>
std::string_view pad(const CallNode& n, const Context& c) {
    const std::string_view s = n.arg(0).text(c);
    const std::size_t length = builtCount(n.arg(1).number(c));
    char fill = ' ';
    if (n.argCount() > 2) {
        const std::string_view f = n.arg(2).text(c);
        if (!f.empty()) fill = f[0];
    }
    std::string& out = n.scratch();
    const std::size_t kept = std::min(length, s.size());
    out.assign(FillLeft ? length - kept : 0, fill);
    out.append(s.substr(0, kept));
    out.append(FillLeft ? 0 : length - kept, fill);
    return out;
}

// CHR(n): the byte n modulo 256.
std::string_view chr(const CallNode& n, const Context& c) {
    const int code = toInt(n.arg(0).number(c), kMaxPosition) % 256;
    n.scratch().assign(1, static_cast<char>(code < 0 ? code + 256 : code));
    return n.scratch();
}

double len(const CallNode& n, const Context& c) {
    return static_cast<double>(n.arg(0).text(c).size());
}

double asc(const CallNode& n, const Context& c) {
    const std::string_view s = n.arg(0).text(c);
    return s.empty() ? 0 : static_cast<unsigned char>(s[0]);
}

// AT(needle, haystack): 1-based position of the first occurrence, 0 when absent or empty.
double at(const CallNode& n, const Context& c) {
    const std::string_view needle = n.arg(0).text(c), haystack = n.arg(1).text(c);
    const std::size_t i = needle.empty() ? std::string_view::npos : haystack.find(needle);
    return i == std::string_view::npos ? 0 : static_cast<double>(i + 1);
}

// Width rules: the width when the text's width and the counts are known.
int firstWidth(const CallNode& n, const Settings* s) {
    return n.arg(0).width(s);
}

template <Range (*RangeOf)(std::size_t, double)>
int sideWidth(const CallNode& n, const Settings* s) {
    const int w = n.arg(0).width(s);
    const auto count = constantNumber(n.arg(1));
    return w < 0 || !count ? -1
                           : static_cast<int>(RangeOf(static_cast<std::size_t>(w), *count).count);
}

int substrWidth(const CallNode& n, const Settings* s) {
    const int w = n.arg(0).width(s);
    const auto start = constantNumber(n.arg(1));
    const auto count = n.argCount() > 2 ? constantNumber(n.arg(2)) : std::optional<double>();
    if (w < 0 || !start || (n.argCount() > 2 && !count)) return -1;
    return static_cast<int>(substrRange(static_cast<std::size_t>(w), *start, count).count);
}

int spaceWidth(const CallNode& n, const Settings*) {
    const auto count = constantNumber(n.arg(0));
    return count ? static_cast<int>(builtCount(*count)) : -1;
}

int padWidth(const CallNode& n, const Settings*) {
    const auto count = constantNumber(n.arg(1));
    return count ? static_cast<int>(builtCount(*count)) : -1;
}

int replicateWidth(const CallNode& n, const Settings* s) {
    const int w = n.arg(0).width(s);
    const auto times = constantNumber(n.arg(1));
    if (w < 0 || !times) return -1;
    if (w == 0) return 0;
    return static_cast<int>(
               std::min(builtCount(*times), kMaxBuiltText / static_cast<std::size_t>(w))) *
           w;
}

constexpr FunctionDef kTextFunctions[] = {
    {"UPPER", "C", 1, ruledCall<changeCase<'a', 'z'>, firstWidth>},
    {"LOWER", "C", 1, ruledCall<changeCase<'A', 'Z'>, firstWidth>},
    {"LTRIM", "C", 1, plainCall<ltrim>},
    {"RTRIM", "C", 1, plainCall<rtrim>},
    {"TRIM", "C", 1, plainCall<rtrim>},
    {"ALLTRIM", "C", 1, plainCall<alltrim>},
    {"SUBSTR", "CNN", 2, ruledCall<substr, substrWidth>},
    {"LEFT", "CN", 2, ruledCall<left, sideWidth<leftRange>>},
    {"RIGHT", "CN", 2, ruledCall<right, sideWidth<rightRange>>},
    {"SPACE", "N", 1, ruledCall<space, spaceWidth>},
    {"REPLICATE", "CN", 2, ruledCall<replicate, replicateWidth>},
    {"PADL", "CNC", 2, ruledCall<pad<true>, padWidth>},
    {"PADR", "CNC", 2, ruledCall<pad<false>, padWidth>},
    {"CHR", "N", 1, fixedWidthCall<chr, 1>},
    {"LEN", "C", 1, plainCall<len>},
    {"ASC", "C", 1, plainCall<asc>},
    {"AT", "CC", 2, plainCall<at>},
};

}  // namespace

std::span<const FunctionDef> textFunctions() {
    return kTextFunctions;
}

}  // namespace xbase::expr
