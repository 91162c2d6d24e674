#include "tools/RecordLine.h"

#include <cstdio>

#include "tools/ToolArgs.h"

namespace tools {

std::vector<int> fieldNumbers(const xbase::Table& t, const std::string& list) {
    std::vector<int> numbers;
    if (list.empty()) {
        for (int n = 1; n <= t.fieldCount(); ++n) numbers.push_back(n);
        return numbers;
    }
    for (const std::string& name : splitList(list)) {
        int n = t.fieldNumber(name);
        if (n == 0) throw UsageError(t.path() + " has no field named " + name);
        numbers.push_back(n);
    }
    return numbers;
}

void appendEscaped(std::string& line, std::string_view value) {
    for (char c : value) {
        switch (c) {
            case '\\':
                line += "\\\\";
                break;
            case '|':
                line += "\\|";
                break;
            case '\r':
                line += "\\r";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\t':
                line += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(c));
                    line += buf;
                } else {
                    line += c;
                }
        }
    }
}

std::string recordLine(const xbase::Table& t, const std::vector<int>& fields) {
    std::string line = std::to_string(t.recNo());
    if (t.deleted()) line += '*';
    for (int n : fields) {
        line += '|';
        appendEscaped(line, t.text(n));
    }
    return line;
}

}  // namespace tools
