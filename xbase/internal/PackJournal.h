#pragma once
// The files a pack or an index rebuild writes beside a table before they take the place of the
// table's own, and the pack's journal, which makes the swap of several files survive a kill or
// a power failure: once the new files are complete and on disk, the journal naming them is
// written and flushed; the renames follow, then the journal goes. An open that has the table
// to itself settles what a killed pack left: with a complete journal it finishes the renames,
// without one it removes the scratch files, so that the table, its memo file and its index
// always belong together.
#include <string>
#include <utility>
#include <vector>

namespace xbase {

// A scratch file of the table: BASE~.EXT in the table's folder, the extension in upper case
// when the table's own is ("ADDRESS.DBF" and "cdx" give "ADDRESS~.CDX"). An empty extension
// gives the table's own.
std::string scratchPath(const std::string& tablePath, const std::string& lowerExtension = {});

// The pack journal: BASE.JNL (in the letter case of the table's extension).
std::string journalPath(const std::string& tablePath);

// Paths of a rename: from a scratch file to the file it replaces, both in the table's folder.
using Rename = std::pair<std::string, std::string>;

// Writes the journal listing the renames and flushes it and the folder to the disk.
void writePackJournal(const std::string& tablePath, const std::vector<Rename>& renames);

// For an open holding the table's exclusive lock: finishes the renames of a complete journal,
// then removes the journal and any scratch files. Returns whether a file was renamed (the
// table file may then be a new one). Throws Error when a file cannot be renamed or removed.
bool settlePack(const std::string& tablePath);

}  // namespace xbase
