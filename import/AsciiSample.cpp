#include "import/AsciiSample.h"

#include <algorithm>

#include "import/AsciiLine.h"
#include "import/AsciiLineReader.h"

namespace rp {

AsciiSample readAsciiSample(const QString& path) {
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
        std::min(static_cast<int>(splitAsciiLine(lines.front()).size()), kMaxImportColumns);
    sample.layout.columns.resize(static_cast<std::size_t>(columns));
    for (const QString& l : lines) {
        QStringList values = asciiValues(l, columns);
        for (int c = 0; c < columns; ++c) {
            auto& width = sample.layout.columns[static_cast<std::size_t>(c)].width;
            width = std::max<std::int32_t>(width, static_cast<std::int32_t>(values[c].size()));
        }
        sample.rows.push_back(std::move(values));
    }
    sample.accepted = true;
    return sample;
}

}  // namespace rp
