#include "xbase/internal/PackJournal.h"

#include <fstream>

#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/internal/File.h"

namespace xbase {

namespace {

constexpr const char* kJournalTitle = "Ravenpost pack journal";
constexpr const char* kJournalEnd = "end";

struct PathParts {
    std::string folder;  // with its trailing slash; empty for the current folder
    std::string base;
    std::string extension;  // without the dot
};

PathParts split(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    PathParts p;
    p.folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    std::size_t dot = file.find_last_of('.');
    p.base = dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
    p.extension = p.base.size() == file.size() ? "" : file.substr(dot + 1);
    return p;
}

std::string inCaseOf(const std::string& tableExtension, const std::string& lowerExtension) {
    bool upper = !tableExtension.empty() && tableExtension == upperAscii(tableExtension) &&
                 tableExtension != lowerAscii(tableExtension);
    return upper ? upperAscii(lowerExtension) : lowerExtension;
}

std::string fileName(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The renames of a complete journal; nothing when the journal is missing or was cut short.
std::vector<Rename> readJournal(const std::string& journal, const std::string& folder) {
    std::ifstream in(journal, std::ios::binary);
    std::string line;
    if (!std::getline(in, line) || line != kJournalTitle) return {};
    std::vector<Rename> renames;
    while (std::getline(in, line)) {
        if (line == kJournalEnd) return renames;
        std::size_t tab = line.find('\t');
        if (tab == std::string::npos || line.find('/') != std::string::npos) return {};
        renames.emplace_back(folder + line.substr(0, tab), folder + line.substr(tab + 1));
    }
    return {};
}

}  // namespace

std::string scratchPath(const std::string& tablePath, const std::string& lowerExtension) {
    PathParts p = split(tablePath);
    std::string extension =
        lowerExtension.empty() ? p.extension : inCaseOf(p.extension, lowerExtension);
    return p.folder + p.base + "~" + (extension.empty() ? "" : "." + extension);
}

std::string journalPath(const std::string& tablePath) {
    PathParts p = split(tablePath);
    return p.folder + p.base + "." + inCaseOf(p.extension, "jnl");
}

void writePackJournal(const std::string& tablePath, const std::vector<Rename>& renames) {
    std::string text = std::string(kJournalTitle) + "\n";
    for (const auto& [from, to] : renames) text += fileName(from) + "\t" + fileName(to) + "\n";
    text += std::string(kJournalEnd) + "\n";
    const std::string journal = journalPath(tablePath);
    File f = File::create(journal);
    f.writeAt(0, text);
    f.sync();
    syncFolderOf(journal);
}

bool settlePack(const std::string& tablePath) {
    const std::string journal = journalPath(tablePath);
    if (!fileExists(journal) && !fileExists(scratchPath(tablePath)) &&
        !fileExists(scratchPath(tablePath, "fpt")) && !fileExists(scratchPath(tablePath, "cdx")))
        return false;
    bool renamed = false;
    for (const auto& [from, to] : readJournal(journal, split(tablePath).folder)) {
        if (!fileExists(from)) continue;  // renamed before the pack was stopped
        renameFile(from, to);
        renamed = true;
    }
    if (renamed) syncFolderOf(tablePath);
    // The journal goes for good before any later pack writes scratch files again.
    removeFile(journal);
    for (const char* extension : {"", "fpt", "cdx"}) removeFile(scratchPath(tablePath, extension));
    syncFolderOf(tablePath);
    return renamed;
}

}  // namespace xbase
