#pragma once
// Which record stands at each row of a table's navigation (its order, scope, filter and
// hidden deleted records), found without walking the whole table.
//
// Rows come from a window: a run of consecutive rows and their records, grown by skipping
// from its edges. A row away from the window is reached from the nearest known place: the
// top (goTop, row 0), the bottom (goBottom, the last row) or the window, whichever is fewer
// skips away, as long as that is at most `reach` skips.
//
// A row further than that from everything known (a scroll-bar drag into the middle of a large
// file) gets an approximate record instead, as xBase browse windows do: a sample of the
// records, sorted by the order's key, gives the record that far down the order, and the
// window starts again from there. Rows near it then follow record by record, so scrolling
// from there is smooth, but their numbers are estimates: such a window serves only rows more
// than `reach` from both ends, and rows within reach of an end always come from that end, so
// the first and last rows are always right. Exact counting by skipping would take seconds
// for the middle of a million-record order. Should an approximate window run into the top or
// the bottom, its rows are known from there and it becomes exact.
//
// Every call leaves the table on the record it stood on.
#include <cstdint>
#include <deque>
#include <optional>
#include <unordered_map>

#include "xbase/OrderSample.h"
#include "xbase/Table.h"

namespace rp {

class RowWindow {
  public:
    // About a frame's work of skipping on a million-record order.
    static constexpr int kDefaultReach = 5000;
    // Rows the window keeps; the ones furthest from the last row asked for go first.
    static constexpr std::size_t kWindowRows = 2048;
    // Rows read beyond the one asked for, in the direction of travel, so that scrolling on
    // goes on from where the last read stopped.
    static constexpr int kReadAhead = 32;
    // Records read for approximate positions.
    static constexpr std::size_t kSampleSize = 1024;

    // rows: how many rows navigation shows (the table's visible count).
    RowWindow(xbase::Table& table, int rows, int reach = kDefaultReach);

    xbase::Table& table() const { return table_; }
    int rows() const { return rows_; }
    // The record at row, 0 for a row out of range.
    std::uint32_t recordAt(int row);
    // The row that shows the record, -1 when navigation does not show it. recordAt gives the
    // record back for that row.
    int rowOf(std::uint32_t recno);

  private:
    bool holds(int row) const { return !window_.empty() && row >= first_ && row <= last(); }
    // Whether the window gives the row: an approximate one gives no row within reach of an end.
    bool serves(int row) const;
    int last() const { return first_ + static_cast<int>(window_.size()) - 1; }
    // Brings the row into the window from the nearest known place; false when that was an
    // approximate start that met an end of the table first.
    bool place(int row, bool mayApproximate);
    void startAt(int row, bool exact);
    // Grows the window to row and kReadAhead rows on.
    void extendTo(int row);
    // The window reached an end of the table: its rows are known from there.
    void shiftTo(int firstRow);
    void startApproximately(int row);
    const xbase::OrderSample& sample();
    // Skips from the record towards one end (-1 up, +1 down) at most reach + 1 times; the
    // record's row when the end or a known record (with its row) comes up, else -1.
    int rowByWalking(std::uint32_t recno, int direction,
                     const std::unordered_map<std::uint32_t, int>& known);
    // Stands on the record; false when navigation does not show it.
    bool standOn(std::uint32_t recno);

    xbase::Table& table_;
    int rows_;
    int reach_;
    std::deque<std::uint32_t> window_;
    int first_ = 0;      // the row of window_.front()
    bool exact_ = true;  // the window's rows were counted from an end
    std::optional<xbase::OrderSample> sample_;
};

}  // namespace rp
