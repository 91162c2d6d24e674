// xbase-tool tags, index, reindex and seek.
#include "tools/Commands.h"
#include "tools/IndexCopy.h"
#include "tools/RecordLine.h"
#include "tools/ToolArgs.h"
#include "xbase/Engine.h"
#include "xbase/Error.h"
#include "xbase/Table.h"
#include "xbase/internal/CdxFile.h"

namespace tools {

void tagsCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {}, 1, 1, "xbase-tool tags FILE");
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::ReadOnly);
    if (!t->hasStructuralIndex()) return;
    xbase::CdxFile cdx = openIndexCopy(*t);
    for (std::size_t i = 0; i < cdx.tagCount(); ++i)
        out << i + 1 << ' ' << cdx.tag(i).name() << "  " << tagDescription(cdx.tag(i)) << '\n';
}

void indexCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {"--for"}, {"--unique"}, 3, 3,
                                    "xbase-tool index FILE TAG EXPR [--for EXPR] [--unique]");
    const std::string& name = cl.positional[1];
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::Exclusive);
    t->createTag(name, cl.positional[2], cl.option("--for"), cl.has("--unique"));
    xbase::CdxFile cdx = openIndexCopy(*t);
    out << keyCountLine(*cdx.findTag(name)) << '\n';
    t->close();
}

void reindexCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {}, 1, 1, "xbase-tool reindex FILE");
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::Exclusive);
    if (!t->hasStructuralIndex())
        throw xbase::Error(t->path() + " has no structural index to rebuild");
    t->reindex();
    xbase::CdxFile cdx = openIndexCopy(*t);
    for (std::size_t i = 0; i < cdx.tagCount(); ++i) out << keyCountLine(cdx.tag(i)) << '\n';
    t->close();
}

void seekCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {"--exact", "--soft"}, 3, 3,
                                    "xbase-tool seek FILE TAG KEY [--exact] [--soft]");
    xbase::Engine engine;
    engine.settings.exact = cl.has("--exact");
    engine.settings.softSeek = cl.has("--soft");
    std::unique_ptr<xbase::Table> t = engine.open(cl.positional[0], xbase::OpenMode::ReadOnly);
    t->setOrder(cl.positional[1]);
    if (t->seek(cl.positional[2]))
        out << "found " << t->recNo() << '\n';
    else if (t->eof())
        out << (cl.has("--soft") ? "not found, at end\n" : "not found\n");
    else
        out << "not found, at " << t->recNo() << '\n';
    if (!t->eof()) out << recordLine(*t, fieldNumbers(*t, "")) << '\n';
}

}  // namespace tools
