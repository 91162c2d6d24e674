#include "import/AsciiSample.h"

#include <algorithm>

#include "import/AsciiLine.h"
#include "import/AsciiLineReader.h"
#include "import/ColumnNames.h"

namespace rp {

AsciiSample readAsciiSample(const QString& path, const AsciiFormat& format) {
    AsciiSample sample;
    AsciiLineReader reader(path);
    if (!reader.open()) return sample;
    std::vector<QString> lines;
    QString line;
    while (static_cast<int>(lines.size()) < kSampleLines &&
           reader.next(&line) == AsciiLineReader::Read::Line) {
        if (!isTextLine(line)) return sample;
        lines.push_back(line);
    }
    if (lines.size() < 2) return sample;

    const int columns =
        std::min(static_cast<int>(splitAsciiLine(lines.front(), format.delimiter).size()),
                 kMaxImportColumns);
    sample.layout.columns.resize(static_cast<std::size_t>(columns));
    sample.firstLine = asciiValues(lines.front(), columns, format.delimiter);
    if (format.header) {
        const ColumnNameMatch names = matchColumnNames(sample.firstLine);
        for (int c = 0; c < columns; ++c)
            sample.layout.columns[static_cast<std::size_t>(c)].match = names.captions[c];
        sample.repeatedNames = names.repeated;
        lines.erase(lines.begin());
    }
    for (const QString& l : lines) {
        QStringList values = asciiValues(l, columns, format.delimiter);
        for (int c = 0; c < columns; ++c) {
            auto& width = sample.layout.columns[static_cast<std::size_t>(c)].width;
            width = std::max<std::int32_t>(width, static_cast<std::int32_t>(values[c].size()));
        }
        sample.rows.push_back(std::move(values));
    }
    sample.accepted = true;
    return sample;
}

AsciiFormat guessFileFormat(const QString& path) {
    AsciiLineReader reader(path);
    QString line;
    if (!reader.open() || reader.next(&line) != AsciiLineReader::Read::Line) return {};
    return guessAsciiFormat(line);
}

}  // namespace rp
