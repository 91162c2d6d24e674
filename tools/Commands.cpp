// xbase-tool create, append-csv, count, dump and pack.
#include <cstdint>
#include <fstream>

#include "tools/Commands.h"
#include "tools/CsvLine.h"
#include "tools/RecordLine.h"
#include "tools/ToolArgs.h"
#include "xbase/Engine.h"
#include "xbase/Error.h"
#include "xbase/Table.h"
#include "xbase/internal/File.h"

namespace tools {

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
    out << "Created " << path << " with " << plural(specs.size(), "field") << '\n';
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
            throw stop(plural(values->size(), "value") + " for " +
                       plural(columns.size(), "column"));
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
    CommandLine cl = parseArguments(
        words, {"--filter", "--fields", "--order"}, {"--hide-deleted"}, 1, 1,
        "xbase-tool dump FILE [--order TAG] [--filter EXPR] [--fields A,B,...] [--hide-deleted]");
    xbase::Engine engine;
    engine.settings.hideDeleted = cl.has("--hide-deleted");
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::ReadOnly);
    std::vector<int> fields = fieldNumbers(*t, cl.option("--fields"));
    if (!cl.option("--order").empty()) t->setOrder(cl.option("--order"));
    t->setFilter(cl.option("--filter"));
    for (t->goTop(); !t->eof(); t->skip()) out << recordLine(*t, fields) << '\n';
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
