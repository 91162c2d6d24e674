#include "tools/CsvLine.h"

namespace tools {

std::optional<std::vector<std::string>> splitCsvLine(std::string_view line) {
    std::vector<std::string> values;
    std::size_t at = 0;
    while (true) {
        std::string value;
        if (at < line.size() && line[at] == '"') {
            ++at;
            while (true) {
                if (at >= line.size()) return std::nullopt;
                if (line[at] != '"') {
                    value += line[at++];
                } else if (at + 1 < line.size() && line[at + 1] == '"') {
                    value += '"';
                    at += 2;
                } else {
                    ++at;
                    break;
                }
            }
            if (at < line.size() && line[at] != ',') return std::nullopt;
        } else {
            std::size_t comma = line.find(',', at);
            std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            value = line.substr(at, end - at);
            at = end;
        }
        values.push_back(std::move(value));
        if (at >= line.size()) return values;
        ++at;  // the comma
    }
}

}  // namespace tools
