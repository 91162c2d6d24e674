#pragma once
// The matching of a DBF file's fields to address fields: one row per address field, each
// showing the source field that goes into it, or nothing. A proposal by field name and type,
// changes row by row, and the matches kept in the import layout.
#include <QString>
#include <QStringList>
#include <array>

#include "import/ImportLayout.h"

namespace rp {

struct DbfMatchRow {
    const char* caption;
    const char* field;
    const char* types;  // the source field type letters that may go into the row
};

inline constexpr int kDbfMatchRows = 17;

// The rows in the order they are shown.
const std::array<DbfMatchRow, kDbfMatchRows>& dbfMatchRows();

// The caption of the row a source field of this name and type would go into by its name;
// empty when none.
QString proposedDbfMatch(const QString& name, char type);

class DbfMatching {
  public:
    // Each row shows the first source field whose match is the row's caption (in any letter
    // case).
    explicit DbfMatching(const ImportLayout& layout);

    // Fills the rows with proposedDbfMatch for every source field; a later field proposed for
    // the same row takes it over.
    void propose();

    const QString& shown(int row) const { return shown_[static_cast<std::size_t>(row)]; }
    // The names of the source fields whose type the row takes, in field order.
    QStringList choices(int row) const;

    // Puts the source field on the row, taking it off every other row; an empty name clears
    // the row.
    void choose(int row, const QString& name);
    void clearAll();

    // Sets each source field's match to the caption of the (last) row that shows it; true
    // when at least one row shows a field.
    bool saveTo(ImportLayout& layout) const;

  private:
    const ImportLayout& layout_;
    std::array<QString, kDbfMatchRows> shown_;
};

}  // namespace rp
