// Navigation in index order, seeks and scopes.
#include <cstdlib>

#include "xbase/Error.h"
#include "xbase/internal/IndexCursor.h"
#include "xbase/internal/IndexKey.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

bool startsWith(std::string_view key, std::string_view prefix) {
    return key.size() >= prefix.size() && key.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool TableImpl::orderedStep(int direction) {
    const KeyRange& b = bounds();
    // Whether a key lies below or above the bounds follows key order: one seek reaches their
    // near end, and nothing past their far end lies within them.
    if (cursor_->valid() && (direction > 0 ? b.below(cursor_->key()) : b.above(cursor_->key()))) {
        if (direction > 0)
            cursor_->seek(b.low);
        else
            cursor_->seekLast(b.high);
    }
    for (; cursor_->valid(); direction > 0 ? cursor_->next() : cursor_->prev()) {
        if (direction > 0 ? b.above(cursor_->key()) : b.below(cursor_->key())) break;
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

bool TableImpl::placeCursorOnCurrent() {
    if (cursorOnCurrent_ && cursor_->valid() && cursor_->recno() == recno_) return true;
    // The record's key, as if any condition let it in: records left out of an order still
    // have a place among its keys.
    std::string key = *keyFor(orders_[static_cast<std::size_t>(order_ - 1)], false);
    cursor_->seek(key, recno_);
    cursorOnCurrent_ = cursor_->valid() && cursor_->recno() == recno_ && cursor_->key() == key;
    return cursorOnCurrent_;
}

void TableImpl::orderedTop() {
    cursor_->first();
    if (orderedStep(+1))
        bof_ = eof_ = false;
    else
        standAtEnd(true);
}

void TableImpl::orderedBottom() {
    cursor_->last();
    if (orderedStep(-1))
        bof_ = eof_ = false;
    else
        standAtEnd(true);
}

void TableImpl::orderedSkip(long n) {
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
            cursor_->last();
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

std::string TableImpl::encodeSeekKey(const Order& o, std::string_view text) const {
    auto bad = [&](const char* what) {
        return Error("\"" + std::string(text) + "\" is not " + what + " for index " +
                     tagName(order_));
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

bool TableImpl::seekEncoded(const std::string& key) {
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

bool TableImpl::seek(std::string_view key) {
    return seekEncoded(encodeSeekKey(currentOrder(), key));
}

bool TableImpl::seekNumber(double value) {
    if (currentOrder().type != KeyType::Numeric)
        throw Error("Index " + tagName(order_) + " has no numeric keys");
    return seekEncoded(encodeNumericKey(value));
}

bool TableImpl::seekDate(JulianDay value) {
    if (currentOrder().type != KeyType::Date)
        throw Error("Index " + tagName(order_) + " has no date keys");
    return seekEncoded(encodeDateKey(value));
}

bool TableImpl::seekLogical(bool value) {
    if (currentOrder().type != KeyType::Logical)
        throw Error("Index " + tagName(order_) + " has no logical keys");
    return seekEncoded(encodeLogicalKey(value));
}

void TableImpl::setScope(std::string_view low, std::string_view high) {
    boundsKnown_ = false;
    if (low.empty() && high.empty()) {
        scope_ = {};
        return;
    }
    const Order& o = currentOrder();
    scope_.low = low.empty() ? std::string() : encodeSeekKey(o, low);
    scope_.high = high.empty() ? std::string() : encodeSeekKey(o, high);
}

}  // namespace xbase
