#include "app/RowWindow.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_map>

#include "data/TableRestore.h"

namespace rp {

RowWindow::RowWindow(xbase::Table& table, int rows, int reach)
    : table_(table), rows_(std::max(rows, 0)), reach_(std::max(reach, 1)) {}

std::uint32_t RowWindow::recordAt(int row) {
    if (row < 0 || row >= rows_) return 0;
    if (!serves(row)) {
        TableRestore saved(table_);
        // An approximate window that ran into an end before reaching the row has become
        // exact; the row is then counted from the nearest known place.
        if (!place(row, true)) place(row, false);
    }
    return serves(row) ? window_[static_cast<std::size_t>(row - first_)] : 0;
}

bool RowWindow::serves(int row) const {
    return holds(row) && (exact_ || std::min(row, rows_ - 1 - row) > reach_);
}

bool RowWindow::place(int row, bool mayApproximate) {
    const int fromTop = row;
    const int fromBottom = rows_ - 1 - row;
    const int fromEnd = std::min(fromTop, fromBottom);
    int fromWindow = INT_MAX;
    if (!window_.empty() && (exact_ || fromEnd > reach_))
        fromWindow = row < first_ ? first_ - row : row - last();

    if (mayApproximate && std::min(fromEnd, fromWindow) > reach_ && !sample().empty()) {
        startApproximately(row);
    } else if (fromWindow <= fromEnd) {
        extendTo(row);
    } else {
        if (fromTop <= fromBottom) {
            table_.goTop();
            startAt(0, true);
        } else {
            table_.goBottom();
            startAt(rows_ - 1, true);
        }
        extendTo(row);
    }
    return serves(row);
}

void RowWindow::startAt(int row, bool exact) {
    window_.clear();
    first_ = row;
    exact_ = exact;
    if (!table_.eof()) window_.push_back(table_.recNo());
}

void RowWindow::extendTo(int row) {
    if (window_.empty()) return;
    if (row > last()) {
        const int target = std::min(row + kReadAhead, rows_ - 1);
        table_.go(window_.back());
        while (last() < target) {
            table_.skip(1);
            if (table_.eof()) {
                shiftTo(rows_ - static_cast<int>(window_.size()));
                break;
            }
            window_.push_back(table_.recNo());
        }
    } else if (row < first_) {
        const int target = std::max(row - kReadAhead, 0);
        table_.go(window_.front());
        while (first_ > target) {
            table_.skip(-1);
            if (table_.bof()) {
                shiftTo(0);
                break;
            }
            window_.push_front(table_.recNo());
            --first_;
        }
    }
    while (window_.size() > kWindowRows) {
        if (row - first_ > last() - row) {
            window_.pop_front();
            ++first_;
        } else {
            window_.pop_back();
        }
    }
}

void RowWindow::shiftTo(int firstRow) {
    first_ = firstRow;
    exact_ = true;
}

void RowWindow::startApproximately(int row) {
    table_.go(sample().recordAt(static_cast<double>(row) / (rows_ - 1)));
    // The order may leave the sampled record out (a condition, a scope, a unique key); a
    // step down and back up stands on a neighbour it lists. Should either step meet an end,
    // that neighbour is the last or the first row.
    table_.skip(1);
    const bool pastEnd = table_.eof();
    table_.skip(-1);
    if (pastEnd)
        startAt(rows_ - 1, true);
    else if (table_.bof())
        startAt(0, true);
    else
        startAt(row, false);
}

const xbase::OrderSample& RowWindow::sample() {
    if (!sample_) sample_.emplace(table_, kSampleSize);
    return *sample_;
}

int RowWindow::rowOf(std::uint32_t recno) {
    if (rows_ == 0 || recno == 0) return -1;
    if (const auto at = std::find(window_.begin(), window_.end(), recno); at != window_.end()) {
        const int row = first_ + static_cast<int>(at - window_.begin());
        if (serves(row)) return row;
    }
    TableRestore saved(table_);
    if (!standOn(recno)) return -1;
    std::unordered_map<std::uint32_t, int> known;  // an exact window's records and their rows
    if (exact_)
        for (std::size_t i = 0; i < window_.size(); ++i)
            known.emplace(window_[i], first_ + static_cast<int>(i));
    for (const int direction : {-1, +1})
        if (const int row = rowByWalking(recno, direction, known); row >= 0) return row;

    // More than reach rows from both ends and from the window: an estimate, placed where
    // recordAt serves approximate rows so that it gives this record back for it.
    const xbase::OrderSample& estimate = sample();
    table_.go(recno);
    const auto guess = static_cast<int>(std::lround(estimate.fractionBefore(table_) * (rows_ - 1)));
    const int row = std::max(reach_ + 1, std::min(guess, rows_ - 2 - reach_));
    startAt(row, false);
    return row;
}

bool RowWindow::standOn(std::uint32_t recno) {
    // A step up and back down returns to a record that navigation shows and reaches another
    // one otherwise; from the first record the step up stays put and sets bof.
    table_.go(recno);
    table_.skip(-1);
    if (!table_.bof()) table_.skip(1);
    return !table_.eof() && table_.recNo() == recno;
}

int RowWindow::rowByWalking(std::uint32_t recno, int direction,
                            const std::unordered_map<std::uint32_t, int>& known) {
    table_.go(recno);
    for (int steps = 0; steps <= reach_; ++steps) {
        table_.skip(direction);
        // A skip past an end finds no record: the one reached so far is the first or the last.
        if (direction < 0 && table_.bof()) return steps;
        if (direction > 0 && table_.eof()) return rows_ - 1 - steps;
        if (const auto at = known.find(table_.recNo()); at != known.end())
            return at->second - direction * (steps + 1);
    }
    return -1;
}

}  // namespace rp
