#pragma once
// The matching of a text file's columns to address fields: one row per column with its match,
// a selected row, and field buttons that are off while their field is taken ("Memo" never is:
// several columns may go into the memo).
#include <QString>
#include <QStringList>

#include "import/ImportLayout.h"

namespace rp {

class AsciiMatching {
  public:
    // The rows start with the layout's matches; the first row is selected.
    explicit AsciiMatching(const ImportLayout& layout);

    int rowCount() const { return static_cast<int>(matches_.size()); }
    const QString& match(int row) const { return matches_[row]; }
    int selectedRow() const { return selected_; }
    void select(int row);

    // Whether the button of this caption (a match caption or "(none)") can be clicked.
    bool buttonEnabled(const QString& caption) const;

    // A field button clicked: the selected row takes the caption ("(none)" clears it), and the
    // selection moves to the next row when there is one.
    void choose(const QString& caption);

    // Stores each row's match (at most 20 characters) in the layout; true when at least one
    // column has a match.
    bool saveTo(ImportLayout& layout) const;

  private:
    QStringList matches_;
    int selected_ = 0;
};

}  // namespace rp
