#pragma once
// The first lines of a delimited file, read when the file is chosen: they fix the number of
// columns, give each column's longest value and fill the match dialog's sample. When the first
// line names the columns it is not a sample line: its names head the sample and suggest the
// matches.
#include <QString>
#include <QStringList>
#include <vector>

#include "import/AsciiFormat.h"
#include "import/ImportLayout.h"

namespace rp {

inline constexpr int kSampleLines = 10;

struct AsciiSample {
    // One entry per column of the first line (at most 255), widths filled; with a header each
    // column matched to the field its name suggests (see matchColumnNames), else no matches.
    ImportLayout layout;
    // The unquoted values of each line read, one per column; the header not among them.
    std::vector<QStringList> rows;
    // The unquoted values of the first line, one per column, whether it is a header or not.
    QStringList firstLine;
    // With a header, the columns left unmatched because an earlier one took their field.
    QList<int> repeatedNames;
    // At least two lines were read, all of them text; otherwise the layout is empty.
    bool accepted = false;
};

AsciiSample readAsciiSample(const QString& path, const AsciiFormat& format = {});

// The format a file's first line suggests (see guessAsciiFormat); the default format when
// the file cannot be read or is empty.
AsciiFormat guessFileFormat(const QString& path);

}  // namespace rp
