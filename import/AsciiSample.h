#pragma once
// The first lines of a comma-delimited file, read when the file is chosen: they fix the
// number of columns, give each column's longest value and fill the match dialog's sample.
#include <QString>
#include <QStringList>
#include <vector>

#include "import/ImportLayout.h"

namespace rp {

inline constexpr int kSampleLines = 10;

struct AsciiSample {
    // One entry per column of the first line (at most 255), widths filled, no matches.
    ImportLayout layout;
    // The unquoted values of each line read, one per column.
    std::vector<QStringList> rows;
    // At least two lines were read, all of them text; otherwise the layout is empty.
    bool accepted = false;
};

AsciiSample readAsciiSample(const QString& path);

}  // namespace rp
