// xbase-tool create, append-csv, count, dump and pack.
#include <cstdint>
#include <cstdio>
#include <fstream>

#include "tools/Commands.h"
#include "tools/CsvLine.h"
#include "tools/ToolArgs.h"
#include "xbase/Engine.h"
#include "xbase/Error.h"
#include "xbase/File.h"
#include "xbase/Table.h"

namespace tools {

namespace {

// Field numbers for the names of a --fields or --columns list; every field when none is given.
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

// A value on one dump line: backslash, "|" and control bytes written as escapes.
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

std::string plural(std::uint32_t n, const char* noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

}  // namespace

void createCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {}, 2, SIZE_MAX,
                                    "xbase-tool create FILE NAME:TYPE[:WIDTH[:DEC]]...");
    const std::string& path = cl.positional[0];
    std::vector<xbase::FieldSpec> specs;
    for (std::size_t i = 1; i < cl.positional.size(); ++i)
        specs.push_back(parseFieldSpec(cl.positional[i]));
    if (xbase::fileExists(path))
        throw UsageError(path + " already exists; remove it first to create it anew");
    xbase::Engine engine;
    engine.create(path, specs);
    out << "Created " << path << " with "
        << plural(static_cast<std::uint32_t>(specs.size()), "field") << '\n';
}

void appendCsvCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {"--columns"}, {}, 2, 2,
                                    "xbase-tool append-csv FILE CSV [--columns A,B,...]");
    const std::string& csvPath = cl.positional[1];
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::Exclusive);
    std::vector<int> columns = fieldNumbers(*t, cl.option("--columns"));
    std::ifstream csv(csvPath, std::ios::binary);
    if (!csv) throw xbase::Error("Cannot open " + csvPath);

    std::uint32_t appended = 0;
    std::string line;
    for (std::size_t lineNo = 1; std::getline(csv, line); ++lineNo) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        auto stop = [&](const std::string& why) {
            t->cancel();
            t->close();
            return xbase::Error(csvPath + " line " + std::to_string(lineNo) + ": " + why + " (" +
                                plural(appended, "record") + " appended before it)");
        };
        std::optional<std::vector<std::string>> values = splitCsvLine(line);
        if (!values) throw stop("a quoted value is not closed, or text follows its closing quote");
        if (values->size() != columns.size())
            throw stop(plural(static_cast<std::uint32_t>(values->size()), "value") + " for " +
                       plural(static_cast<std::uint32_t>(columns.size()), "column"));
        t->appendBlank();
        try {
            for (std::size_t i = 0; i < columns.size(); ++i) t->setText(columns[i], (*values)[i]);
            t->post();
        } catch (const xbase::Error& e) {
            throw stop(e.what());
        }
        ++appended;
    }
    t->close();
    out << plural(appended, "record") << " appended\n";
}

void countCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {"--hide-deleted"}, 2, 2,
                                    "xbase-tool count FILE EXPR [--hide-deleted]");
    xbase::Engine engine;
    engine.settings.hideDeleted = cl.has("--hide-deleted");
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::ReadOnly);
    t->setFilter(cl.positional[1]);
    out << t->visibleCount() << '\n';
}

void dumpCommand(const Words& words, std::ostream& out) {
    CommandLine cl =
        parseArguments(words, {"--filter", "--fields"}, {"--hide-deleted"}, 1, 1,
                       "xbase-tool dump FILE [--filter EXPR] [--fields A,B,...] [--hide-deleted]");
    xbase::Engine engine;
    engine.settings.hideDeleted = cl.has("--hide-deleted");
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::ReadOnly);
    std::vector<int> fields = fieldNumbers(*t, cl.option("--fields"));
    t->setFilter(cl.option("--filter"));
    std::string line;
    for (t->goTop(); !t->eof(); t->skip()) {
        line = std::to_string(t->recNo());
        if (t->deleted()) line += '*';
        for (int n : fields) {
            line += '|';
            appendEscaped(line, t->text(n));
        }
        line += '\n';
        out << line;
    }
}

void packCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {}, 1, 1, "xbase-tool pack FILE");
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::Exclusive);
    out << "Records before packing: " << t->recordCount() << '\n';
    t->pack();
    out << "Records after packing:  " << t->recordCount() << '\n';
    t->close();
}

}  // namespace tools
