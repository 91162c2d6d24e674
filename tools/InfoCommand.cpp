// xbase-tool info: what the header and field list of a table say, and the tags of its
// structural index.
#include <cstdio>
#include <optional>

#include "tools/Commands.h"
#include "tools/IndexCopy.h"
#include "tools/ToolArgs.h"
#include "xbase/Engine.h"
#include "xbase/Error.h"
#include "xbase/Table.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/File.h"

namespace tools {

namespace {

const char* versionName(std::uint8_t v) {
    switch (v) {
        case 0x02:
            return "FoxBASE";
        case 0x03:
            return "dBase III";
        case 0x04:
            return "dBase IV";
        case 0x05:
            return "dBase V";
        case 0x30:
            return "Visual FoxPro";
        case 0x31:
            return "Visual FoxPro with autoincrement";
        case 0x32:
            return "Visual FoxPro with varchar";
        case 0x43:
            return "dBase IV SQL table";
        case 0x63:
            return "dBase IV SQL system table";
        case 0x7B:
            return "dBase IV with memo";
        case 0x83:
            return "dBase III with memo";
        case 0x8B:
            return "dBase IV with memo";
        case 0x8E:
            return "dBase IV with SQL table";
        case 0xCB:
            return "dBase IV SQL table with memo";
        case 0xE5:
            return "Clipper SIX with memo";
        case 0xF5:
            return "FoxPro 2 with memo";
        case 0xFB:
            return "FoxBASE with memo";
        default:
            return "unknown";
    }
}

const char* codePageName(std::uint8_t mark) {
    switch (mark) {
        case 0x00:
            return "unmarked";
        case 0x01:
            return "DOS 437";
        case 0x02:
            return "DOS 850";
        case 0x03:
        case 0x57:
            return "Windows-1252";
        case 0x64:
            return "DOS 852";
        case 0x65:
            return "DOS 866";
        case 0xC8:
            return "Windows-1250";
        case 0xC9:
            return "Windows-1251";
        case 0xCA:
            return "Windows-1254";
        case 0xCB:
            return "Windows-1253";
        default:
            return "other";
    }
}

std::string dateText(xbase::JulianDay jd) {
    if (jd == 0) return "(none)";
    int y, m, d;
    xbase::civilDate(jd, y, m, d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

std::string hexByte(std::uint8_t b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", b);
    return buf;
}

xbase::DbfHeader readHeader(const std::string& path) {
    xbase::File f = xbase::File::open(path, false);
    std::string bytes(xbase::dbf::kHeaderSize, '\0');
    bytes.resize(f.readAt(0, bytes.data(), bytes.size()));
    bytes.resize(xbase::dbfHeaderLength(bytes));
    bytes.resize(f.readAt(0, bytes.data(), bytes.size()));
    return xbase::parseDbfHeader(bytes, path);
}

}  // namespace

void infoCommand(const Words& words, std::ostream& out) {
    CommandLine cl = parseArguments(words, {}, {}, 1, 1, "xbase-tool info FILE");
    const std::string& path = cl.positional[0];
    xbase::DbfHeader h = readHeader(path);
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> t;
    std::string indexProblem;
    try {
        t = engine.open(path, xbase::OpenMode::ReadOnly);
    } catch (const xbase::IndexError& e) {
        indexProblem = e.what();
        t = engine.open(path, xbase::OpenMode::ReadOnly, false);
    }

    out << "File:          " << path << '\n';
    out << "Version:       " << hexByte(h.version) << " (" << versionName(h.version) << ")\n";
    out << "Last update:   " << dateText(h.lastUpdate) << '\n';
    out << "Records:       " << h.recordCount;
    if (t->recordCount() != h.recordCount)
        out << " (the file holds only " << t->recordCount() << " whole records)";
    out << '\n';
    out << "Header length: " << h.headerLength << '\n';
    out << "Record length: " << h.recordLength << '\n';
    out << "Code page:     " << hexByte(h.codePage) << " (" << codePageName(h.codePage) << ")\n";
    std::string memo = t->memoPath();
    out << "Memo file:     " << (memo.empty() ? "(none)" : memo) << '\n';
    out << "Index:         ";
    if (!indexProblem.empty())
        out << "could not be read: " << indexProblem;
    else if (t->hasStructuralIndex())
        out << t->structuralIndexPath();
    else if (t->indexMayBeStale())
        out << xbase::companionPath(path, "cdx") << " (not used: it may be out of date)";
    else if (h.tableFlags & xbase::dbf::kFlagStructuralIndex)
        out << "(none: the header marks one, but there is no index file)";
    else
        out << "(none)";
    out << '\n';
    out << "Incomplete:    "
        << (t->markedIncomplete() ? "set (the table was not closed properly)" : "clear") << '\n';
    out << "Fields:        " << h.fields.size() << '\n';
    out << "    # Name       Type Width Dec Offset\n";
    int n = 0;
    for (const xbase::Field& f : h.fields) {
        char line[80];
        std::snprintf(line, sizeof line, "%5d %-10s %-4c %5u %3u %6u\n", ++n, f.name.c_str(),
                      f.type, static_cast<unsigned>(f.width), static_cast<unsigned>(f.decimals),
                      static_cast<unsigned>(f.offset));
        out << line;
    }
    if (!t->hasStructuralIndex() && !t->indexMayBeStale()) return;
    std::optional<xbase::CdxFile> cdx;
    try {
        cdx.emplace(openIndexCopy(*t));
    } catch (const xbase::Error& e) {
        // An index left unused (see indexMayBeStale) has not been read before.
        out << "Tags:          could not be read: " << e.what() << '\n';
        return;
    }
    out << "Tags:          " << cdx->tagCount() << '\n';
    out << "    # Name       Type Length Key\n";
    for (std::size_t i = 0; i < cdx->tagCount(); ++i) {
        const xbase::IndexTag& tag = cdx->tag(i);
        char line[64];
        std::snprintf(line, sizeof line, "%5zu %-10s %-4c %6zu ", i + 1, tag.name().c_str(),
                      keyTypeLetter(tag.keyType()), tag.keyLength());
        out << line << tagDescription(tag) << '\n';
    }
}

}  // namespace tools
