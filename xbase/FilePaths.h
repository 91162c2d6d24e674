#pragma once
// The files of a table by name: whether one is there, removing and renaming one, and the
// companion files (memo, index) that go with a table.
#include <string>

namespace xbase {

bool fileExists(const std::string& path);
void removeFile(const std::string& path);
void renameFile(const std::string& from, const std::string& to);
// Makes the names in the folder that holds path (created, renamed or deleted files) durable.
void syncFolderOf(const std::string& path);
// The path of a companion file: the same folder and base name with the given extension,
// matched whatever the letter case of the extension on disk ("ADDRESS.dbf" finds "ADDRESS.FPT").
// When no such file exists, returns the name with the extension as given.
std::string companionPath(const std::string& tablePath, const std::string& extension);
// The path for a new companion file: an existing one in any letter case, else the extension
// in the letter case of the table's own extension ("ADDRESS.DBF" gives "ADDRESS.CDX").
std::string newCompanionPath(const std::string& tablePath, const std::string& lowerExtension);

}  // namespace xbase
