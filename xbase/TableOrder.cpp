// Navigation in index order, seeks and scopes.
#include <cstdlib>

#include "xbase/Error.h"
#include "xbase/Table.h"

namespace xbase {

namespace {

bool startsWith(std::string_view key, std::string_view prefix) {
    return key.size() >= prefix.size() && key.compare(0, prefix.size(), prefix) == 0;
}

// Whether a key lies before the low end (or after the high end) of a scope, comparing as
// many leading bytes as the scope key has.
bool belowLow(std::string_view key, const std::string& low) {
    return !low.empty() && key.substr(0, low.size()) < low;
}

bool aboveHigh(std::string_view key, const std::string& high) {
    return !high.empty() && key.substr(0, high.size()) > high;
}

}  // namespace

bool Table::inScope(std::string_view key) const {
    return !belowLow(key, scopeLow_) && !aboveHigh(key, scopeHigh_);
}

bool Table::orderedStep(int direction) {
    for (; cursor_->valid(); direction > 0 ? cursor_->next() : cursor_->prev()) {
        std::string_view key = cursor_->key();
        if (direction > 0 ? aboveHigh(key, scopeHigh_) : belowLow(key, scopeLow_)) break;
        if (!inScope(key)) continue;
        std::uint32_t r = cursor_->recno();
        // A record that another open appended since the count was read.
        if (r > count_ && mode_ != OpenMode::Exclusive) refreshCount();
        if (r < 1 || r > count_)
            throw IndexError(orderIndexFile() + ": index " + orderTagName() + " lists record " +
                             std::to_string(r) + ", which the table does not have");
        load(r);
        if (visible()) {
            cursorOnCurrent_ = true;
            return true;
        }
    }
    cursorOnCurrent_ = false;
    return false;
}

bool Table::placeCursorOnCurrent() {
    if (cursorOnCurrent_ && cursor_->valid() && cursor_->recno() == recno_) return true;
    // The record's key, as if any condition let it in: records left out of an order still
    // have a place among its keys.
    std::string key = *keyFor(orders_[static_cast<std::size_t>(order_ - 1)], false);
    cursor_->seek(key, recno_);
    cursorOnCurrent_ = cursor_->valid() && cursor_->recno() == recno_ && cursor_->key() == key;
    return cursorOnCurrent_;
}

void Table::orderedTop() {
    if (scopeLow_.empty()) cursor_->first();
    else cursor_->seek(scopeLow_);
    if (orderedStep(+1)) bof_ = eof_ = false;
    else standAtEnd(true);
}

void Table::cursorToBottom() {
    if (scopeHigh_.empty()) cursor_->last();
    else cursor_->seekLast(scopeHigh_);
}

void Table::orderedBottom() {
    cursorToBottom();
    if (orderedStep(-1)) bof_ = eof_ = false;
    else standAtEnd(true);
}

void Table::orderedSkip(long n) {
    for (; n > 0; --n) {
        if (eof_) return;
        bof_ = false;
        if (placeCursorOnCurrent()) cursor_->next();
        if (!orderedStep(+1)) {
            standAtEnd(false);
            return;
        }
    }
    for (; n < 0; ++n) {
        if (eof_) {
            cursorToBottom();
        } else {
            placeCursorOnCurrent();
            cursor_->prev();
        }
        if (!orderedStep(-1)) {
            // Before the first record: stand on the first visible one, with bof set.
            orderedTop();
            bof_ = true;
            return;
        }
        eof_ = bof_ = false;
    }
}

// ---- Seeks -----------------------------------------------------------------------------------

std::string Table::encodeSeekKey(const Order& o, std::string_view text) const {
    auto bad = [&](const char* what) {
        return Error("\"" + std::string(text) + "\" is not " + what + " for index " + tagName(order_));
    };
    switch (o.type) {
        case KeyType::Numeric: {
            std::string t(text);
            char* end = nullptr;
            double v = std::strtod(t.c_str(), &end);
            if (t.empty() || *end != '\0') throw bad("a number");
            return encodeNumericKey(v);
        }
        case KeyType::Date: {
            JulianDay d = fromDtos(text);
            if (text.size() != 8 || d == 0) throw bad("a date (YYYYMMDD)");
            return encodeDateKey(d);
        }
        case KeyType::Logical:
            if (text == "T" || text == "t") return encodeLogicalKey(true);
            if (text == "F" || text == "f") return encodeLogicalKey(false);
            throw bad("T or F");
        default:
            // With exact matching on the whole key must match: the text padded with blanks.
            if (engine_.settings.exact) return encodeCharacterKey(text, o.keyLength);
            return std::string(text.substr(0, o.keyLength));
    }
}

bool Table::seekEncoded(const std::string& key) {
    post();
    const bool shared = mode_ != OpenMode::Exclusive;
    if (shared) {
        // Unlike other moves, a seek reads the record count only when it needs it: for a
        // record past the count (see orderedStep), or to stand at the end.
        cacheCount_ = 0;
        catchUpIndexes();
        currentOrder();  // throws when another open dropped the order's tag
    }
    found_ = false;
    cursor_->seek(key);
    if (orderedStep(+1)) {
        bof_ = eof_ = false;
        found_ = startsWith(cursor_->key(), key);
        if (found_ || engine_.settings.softSeek) return found_;
    }
    if (shared) refreshCount();
    standAtEnd(false);
    return false;
}

bool Table::seek(std::string_view key) { return seekEncoded(encodeSeekKey(currentOrder(), key)); }

bool Table::seekNumber(double value) {
    if (currentOrder().type != KeyType::Numeric) throw Error("Index " + tagName(order_) + " has no numeric keys");
    return seekEncoded(encodeNumericKey(value));
}

bool Table::seekDate(JulianDay value) {
    if (currentOrder().type != KeyType::Date) throw Error("Index " + tagName(order_) + " has no date keys");
    return seekEncoded(encodeDateKey(value));
}

bool Table::seekLogical(bool value) {
    if (currentOrder().type != KeyType::Logical) throw Error("Index " + tagName(order_) + " has no logical keys");
    return seekEncoded(encodeLogicalKey(value));
}

void Table::setScope(std::string_view low, std::string_view high) {
    if (low.empty() && high.empty()) {
        scopeLow_.clear();
        scopeHigh_.clear();
        return;
    }
    const Order& o = currentOrder();
    scopeLow_ = low.empty() ? std::string() : encodeSeekKey(o, low);
    scopeHigh_ = high.empty() ? std::string() : encodeSeekKey(o, high);
}

}  // namespace xbase
