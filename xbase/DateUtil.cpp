#include "xbase/DateUtil.h"

#include <cctype>
#include <cstdio>
#include <ctime>

#include "xbase/Settings.h"

namespace xbase {

namespace {

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeap(y) ? 29 : days[m - 1];
}

// The pattern with "yy" widened to "yyyy" when four-digit years are on, in lower case.
std::string effectivePattern(const Settings& s) {
    std::string p;
    for (char c : s.dateFormat) p += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto y = p.find("yy");
    if (y != std::string::npos && p.compare(y, 4, "yyyy") != 0 && s.century) p.insert(y, "yy");
    if (y != std::string::npos && p.compare(y, 4, "yyyy") == 0 && !s.century) p.erase(y, 2);
    return p;
}

}  // namespace

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

JulianDay julianDay(int y, int m, int d) {
    if (!isValidDate(y, m, d)) return 0;
    int a = (14 - m) / 12;
    int yy = y + 4800 - a;
    int mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

bool isDateInRange(JulianDay jd) {
    return jd >= kFirstJulianDay && jd <= kLastJulianDay;
}

void civilDate(JulianDay jd, int& year, int& month, int& day) {
    if (!isDateInRange(jd)) {
        year = month = day = 0;
        return;
    }
    int a = jd + 32044;
    int b = (4 * a + 3) / 146097;
    int c = a - 146097 * b / 4;
    int d = (4 * c + 3) / 1461;
    int e = c - 1461 * d / 4;
    int m = (5 * e + 2) / 153;
    day = e - (153 * m + 2) / 5 + 1;
    month = m + 3 - 12 * (m / 10);
    year = 100 * b + d - 4800 + m / 10;
}

JulianDay today() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return julianDay(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

std::string toDtos(JulianDay jd) {
    if (!isDateInRange(jd)) return std::string(8, ' ');
    int y, m, d;
    civilDate(jd, y, m, d);
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", y, m, d);
    return buf;
}

JulianDay fromDtos(std::string_view t) {
    if (t.size() < 8) return 0;
    int v[8];
    for (int i = 0; i < 8; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return 0;
        v[i] = t[i] - '0';
    }
    int y = v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3];
    return julianDay(y, v[4] * 10 + v[5], v[6] * 10 + v[7]);
}

std::string toDateText(JulianDay jd, const Settings& s) {
    std::string p = effectivePattern(s);
    int y = 0, m = 0, d = 0;
    bool real = isDateInRange(jd);
    if (real) civilDate(jd, y, m, d);
    std::string out;
    for (std::size_t i = 0; i < p.size();) {
        auto put = [&](int value, int digits) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "%0*d", digits, value);
            out += real ? std::string(buf) : std::string(digits, ' ');
            i += digits;
        };
        if (p.compare(i, 4, "yyyy") == 0)
            put(y, 4);
        else if (p.compare(i, 2, "yy") == 0)
            put(y % 100, 2);
        else if (p.compare(i, 2, "mm") == 0)
            put(m, 2);
        else if (p.compare(i, 2, "dd") == 0)
            put(d, 2);
        else
            out += p[i++];
    }
    return out;
}

JulianDay fromDateText(std::string_view text, const Settings& s) {
    std::string p = effectivePattern(s);
    // Fields are read in pattern order; each is a run of digits (at most the pattern's width)
    // and separators must be non-digits, so "1/5/97" reads like "01/05/97".
    int y = -1, m = -1, d = -1, yearDigits = 0;
    std::size_t t = 0;
    auto skipBlanks = [&] {
        while (t < text.size() && text[t] == ' ') ++t;
    };
    for (std::size_t i = 0; i < p.size();) {
        int* target = nullptr;
        std::size_t width = 0;
        if (p.compare(i, 4, "yyyy") == 0)
            target = &y, width = 4;
        else if (p.compare(i, 2, "yy") == 0)
            target = &y, width = 2;
        else if (p.compare(i, 2, "mm") == 0)
            target = &m, width = 2;
        else if (p.compare(i, 2, "dd") == 0)
            target = &d, width = 2;
        if (!target) {
            skipBlanks();
            if (t >= text.size() || std::isdigit(static_cast<unsigned char>(text[t]))) return 0;
            ++t, ++i;
            continue;
        }
        skipBlanks();
        std::size_t start = t;
        int value = 0;
        while (t < text.size() && t - start < width &&
               std::isdigit(static_cast<unsigned char>(text[t])))
            value = value * 10 + (text[t++] - '0');
        if (t == start) return 0;
        if (target == &y) yearDigits = static_cast<int>(t - start);
        *target = value;
        i += width;
    }
    skipBlanks();
    if (t != text.size()) return 0;
    if (yearDigits <= 2) y += 1900;
    return julianDay(y, m, d);
}

}  // namespace xbase
