#include "SideFileWriter.h"

#include <fstream>
#include <stdexcept>

#include "../CsvLine.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace sidefiles {

namespace {

std::vector<std::string> splitOrThrow(const std::string& line, const std::string& where) {
    auto values = tools::splitCsvLine(line);
    if (!values) throw std::runtime_error(where + ": unclosed or misplaced quote");
    return *values;
}

std::vector<SourceRow> readSource(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::string line;
    if (!std::getline(in, line)) throw std::runtime_error(path + ": no header row");
    const std::vector<std::string> columns = splitOrThrow(line, path + ":1");
    std::vector<SourceRow> rows;
    for (int number = 2; std::getline(in, line); ++number) {
        if (line.empty()) continue;
        const std::string where = path + ":" + std::to_string(number);
        std::vector<std::string> values = splitOrThrow(line, where);
        if (values.size() != columns.size())
            throw std::runtime_error(where + ": " + std::to_string(values.size()) + " values for " +
                                     std::to_string(columns.size()) + " columns");
        SourceRow row;
        for (std::size_t i = 0; i < columns.size(); ++i) row[columns[i]] = values[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

int writeSideFile(const SideFile& side, const std::string& sourceDir, const std::string& outDir) {
    const std::vector<SourceRow> rows =
        side.source.empty() ? std::vector<SourceRow>{} : readSource(sourceDir + "/" + side.source);
    const std::string path = outDir + "/" + side.file;
    xbase::Engine engine;
    engine.create(path, side.fields);
    auto table = engine.open(path, xbase::OpenMode::Exclusive);
    for (const SourceRow& source : rows) {
        const SourceRow row = side.derive ? side.derive(source) : source;
        table->appendBlank();
        for (const auto& [column, value] : row) {
            // Every field is filled, and nothing outside the layout is silently dropped.
            const int n = table->fieldNumber(column);
            if (n == 0)
                throw std::runtime_error(side.source + ": column " + column +
                                         " is not a field of " + side.file);
            if (table->field(n).type == 'C' && value.size() > table->field(n).width)
                throw std::runtime_error(side.source + ": \"" + value + "\" is wider than " +
                                         column);
            table->setText(n, value);
        }
        if (static_cast<int>(row.size()) != table->fieldCount())
            throw std::runtime_error(side.source + ": a row does not fill every field of " +
                                     side.file);
        table->post();
    }
    table->createTag(side.tagName, side.tagKey);
    table->close();
    return static_cast<int>(rows.size());
}

}  // namespace sidefiles
