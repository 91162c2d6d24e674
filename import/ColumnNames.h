#pragma once
// The column names of a text file's first line matched to the address fields they suggest:
// the fields' own names and captions and the names spreadsheets, web shops and contacts apps
// give them. Letter case, blanks, hyphens, underscores and a trailing colon do not count.
#include <QString>
#include <QStringList>

namespace rp {

// name in lower case without blanks, hyphens, underscores and a trailing colon.
QString normalizedColumnName(const QString& name);

// The match caption (of matchTargets) a column name suggests; empty for an unknown name.
// "Mobile" is not known here: it is a phone only when no other column is (see
// matchColumnNames).
QString captionOfColumnName(const QString& name);

// Whether at least two of the values are known column names.
bool looksLikeHeader(const QStringList& values);

struct ColumnNameMatch {
    QStringList captions;  // one per name: the caption it is matched to, or empty
    QList<int> repeated;   // columns left unmatched as their field is taken by an earlier one
    QList<int> unknown;    // columns whose names suggest no field
};

// Each column matched to the field its name suggests. A field is given to the first column
// that suggests it; a later one stays unmatched and is listed as repeated (the memo too, so
// that one name never fills it twice). "Mobile" goes to the phone when no other column does.
ColumnNameMatch matchColumnNames(const QStringList& names);

}  // namespace rp
