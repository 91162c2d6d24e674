// Reading and writing the fields of the current record.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/MemoBlockField.h"
#include "xbase/internal/MemoFile.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

bool isMemoType(const Field& f, bool vfp) {
    return f.type == 'M' || f.type == 'G' || f.type == 'P' || (f.type == 'B' && !vfp);
}

std::int64_t littleEndian(std::string_view b) {
    std::uint64_t v = loadLe(b.data(), b.size());
    if (b.size() < 8 && (b.back() & 0x80)) v |= ~std::uint64_t{0} << (8 * b.size());  // sign
    return static_cast<std::int64_t>(v);
}

std::string_view trimBoth(std::string_view s) {
    s = trimRight(s);
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    return s;
}

// Parses a number's text without allocating; false when it is not a whole number text.
bool parseNumber(std::string_view text, double& out) {
    text = trimBoth(text);
    if (text.empty()) {
        out = 0;
        return true;
    }
    char buf[64];
    if (text.size() >= sizeof buf) return false;
    std::memcpy(buf, text.data(), text.size());
    buf[text.size()] = '\0';
    char* end = nullptr;
    out = std::strtod(buf, &end);
    return end == buf + text.size() && std::isfinite(out);
}

std::string fieldDescription(const Field& f) {
    std::string d = f.name + " (" + f.type + " " + std::to_string(f.width);
    if (f.type == 'N' || f.type == 'F') d += "," + std::to_string(f.decimals);
    return d + ")";
}

}  // namespace

std::string_view TableImpl::fieldBytes(int n) const {
    const Field& f = field(n);
    return std::string_view(current_ + f.offset, f.width);
}

std::uint32_t TableImpl::memoBlock(int n) const {
    std::string_view b = fieldBytes(n);
    if (vfpMemo_ && b.size() == 4) return static_cast<std::uint32_t>(littleEndian(b));
    b = trimBoth(b);
    std::uint32_t block = 0;
    for (char c : b) {
        if (c < '0' || c > '9' || block > 0x19999999u)
            throw Error(path_ + ": memo field " + field(n).name + " of record " +
                        std::to_string(recno_) + " holds no valid block number");
        block = block * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return block;
}

const std::string* TableImpl::pendingMemo(int n) const {
    for (const auto& [field, text] : pendingMemos_)
        if (field == n) return &text;
    return nullptr;
}

std::string TableImpl::memo(int n) const {
    const Field& f = field(n);
    if (!isMemoType(f, vfpMemo_)) throw Error(path_ + ": field " + f.name + " is not a memo field");
    if (const std::string* pending = pendingMemo(n)) return *pending;
    std::uint32_t block = memoBlock(n);
    return block == 0 || !memo_ ? std::string() : memo_->read(block);
}

std::string TableImpl::text(int n) const {
    const Field& f = field(n);
    std::string_view b = fieldBytes(n);
    switch (f.type) {
        case 'N':
        case 'F':
            return std::string(trimBoth(b));
        case 'D':
            return std::string(trimRight(b));
        case 'L': {
            std::optional<bool> v = logical(n);
            return v ? (*v ? "T" : "F") : "";
        }
        case 'I':
        case 'Y':
        case 'B':
            if (!isMemoType(f, vfpMemo_)) {
                char buf[64];
                std::snprintf(buf, sizeof buf, "%.*f",
                              f.type == 'I'   ? 0
                              : f.type == 'Y' ? 4
                                              : f.decimals,
                              number(n));
                return buf;
            }
            return memo(n);
        case 'T': {
            if (!isDateInRange(date(n))) return "";
            std::int64_t ms = littleEndian(b.substr(4, 4));
            char buf[16];
            std::snprintf(buf, sizeof buf, " %02d:%02d:%02d", static_cast<int>(ms / 3600000),
                          static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60));
            return toDtos(date(n)) + buf;
        }
        default:
            if (isMemoType(f, vfpMemo_)) return memo(n);
            return std::string(trimRight(b));
    }
}

double TableImpl::number(int n) const {
    const Field& f = field(n);
    std::string_view b = fieldBytes(n);
    switch (f.type) {
        case 'N':
        case 'F': {
            double v = 0;
            // A damaged number reads as 0 rather than stopping a scan; writing checks strictly.
            return parseNumber(b, v) ? v : 0;
        }
        case 'I':
            return static_cast<double>(littleEndian(b));
        case 'Y':
            return static_cast<double>(littleEndian(b)) / 10000.0;
        case 'B':
            if (vfpMemo_) {
                double v;
                std::memcpy(&v, b.data(), sizeof v);
                return v;
            }
            [[fallthrough]];
        default:
            throw Error(path_ + ": field " + f.name + " is not numeric");
    }
}

JulianDay TableImpl::date(int n) const {
    const Field& f = field(n);
    std::string_view b = fieldBytes(n);
    if (f.type == 'D') return fromDtos(b);
    if (f.type == 'T') return static_cast<JulianDay>(littleEndian(b.substr(0, 4)));
    throw Error(path_ + ": field " + f.name + " is not a date");
}

std::optional<bool> TableImpl::logical(int n) const {
    const Field& f = field(n);
    if (f.type != 'L') throw Error(path_ + ": field " + f.name + " is not logical");
    switch (fieldBytes(n)[0]) {
        case 'T':
        case 't':
        case 'Y':
        case 'y':
            return true;
        case 'F':
        case 'f':
        case 'N':
        case 'n':
            return false;
        default:
            return std::nullopt;
    }
}

bool TableImpl::isEmpty(int n) const {
    const Field& f = field(n);
    if (isMemoType(f, vfpMemo_)) {
        const std::string* pending = pendingMemo(n);
        return pending ? pending->empty() : memoBlock(n) == 0;
    }
    return trimRight(fieldBytes(n)).empty();
}

// ---- Writing -------------------------------------------------------------------------------

void TableImpl::setText(int n, std::string_view value) {
    const Field& f = field(n);
    if (isMemoType(f, vfpMemo_)) return setMemo(n, value);
    switch (f.type) {
        case 'N':
        case 'F': {
            double v = 0;
            if (!parseNumber(value, v))
                throw Error("\"" + std::string(value) + "\" is not a number for field " +
                            fieldDescription(f));
            if (trimBoth(value).empty()) return setEmpty(n);
            return setNumber(n, v);
        }
        case 'D': {
            std::string_view t = trimBoth(value);
            if (t.empty()) return setEmpty(n);
            JulianDay jd = fromDtos(t);
            if (jd == 0 || t.size() != 8)
                throw Error("\"" + std::string(value) + "\" is not a date (YYYYMMDD) for field " +
                            f.name);
            return setDate(n, jd);
        }
        case 'L': {
            std::string_view t = trimBoth(value);
            if (t.empty() || t == "?") return setEmpty(n);
            if (t.size() == 1 && std::strchr("TtYy", t[0])) return setLogical(n, true);
            if (t.size() == 1 && std::strchr("FfNn", t[0])) return setLogical(n, false);
            throw Error("\"" + std::string(value) + "\" is not a logical value for field " +
                        f.name);
        }
        default: {
            char* rec = beginEdit();
            std::size_t len = std::min<std::size_t>(value.size(), f.width);
            std::memcpy(rec + f.offset, value.data(), len);
            std::memset(rec + f.offset + len, ' ', f.width - len);
        }
    }
}

void TableImpl::setNumber(int n, double value) {
    const Field& f = field(n);
    if (f.type != 'N' && f.type != 'F')
        throw Error(path_ + ": field " + f.name + " is not numeric");
    if (!std::isfinite(value))
        throw Error("A number for field " + fieldDescription(f) + " must be finite");
    // Halves round away from zero, as xBase does (printf would round them to even).
    double scale = std::pow(10.0, f.decimals);
    double scaled = std::round(value * scale);
    if (std::abs(scaled) < 1e15) value = scaled / scale;
    char buf[400];
    int len = std::snprintf(buf, sizeof buf, "%*.*f", static_cast<int>(f.width),
                            static_cast<int>(f.decimals), value);
    // Rounding may leave "-0" or "-0.00": store it without the sign.
    if (std::strtod(buf, nullptr) == 0.0)
        len = std::snprintf(buf, sizeof buf, "%*.*f", static_cast<int>(f.width),
                            static_cast<int>(f.decimals), 0.0);
    if (len < 0 || len > f.width) {
        std::snprintf(buf, sizeof buf, "%.*f", static_cast<int>(f.decimals), value);
        throw Error("The value " + std::string(buf) + " does not fit field " + fieldDescription(f));
    }
    std::memcpy(beginEdit() + f.offset, buf, f.width);
}

void TableImpl::setDate(int n, JulianDay value) {
    const Field& f = field(n);
    if (f.type != 'D') throw Error(path_ + ": field " + f.name + " is not a date");
    std::memcpy(beginEdit() + f.offset, toDtos(value).data(), 8);
}

void TableImpl::setLogical(int n, bool value) {
    const Field& f = field(n);
    if (f.type != 'L') throw Error(path_ + ": field " + f.name + " is not logical");
    beginEdit()[f.offset] = value ? 'T' : 'F';
}

void TableImpl::setMemo(int n, std::string_view text) {
    const Field& f = field(n);
    if (!isMemoType(f, vfpMemo_)) throw Error(path_ + ": field " + f.name + " is not a memo field");
    if (!memo_ || memo_->kind() != MemoKind::Fpt)
        throw Error(path_ + ": memos of this table can only be read");
    beginEdit();
    for (auto& [field, pending] : pendingMemos_)
        if (field == n) {
            pending = std::string(text);
            return;
        }
    pendingMemos_.emplace_back(n, std::string(text));
}

void TableImpl::setEmpty(int n) {
    const Field& f = field(n);
    if (isMemoType(f, vfpMemo_)) return setMemo(n, "");
    std::memset(beginEdit() + f.offset, ' ', f.width);
}

void TableImpl::storeMemos() {
    for (const auto& [n, text] : pendingMemos_) {
        const Field& f = field(n);
        putMemoBlock(edit_.data() + f.offset, memo_->write(memoBlock(n), text));
    }
    pendingMemos_.clear();
}

}  // namespace xbase
