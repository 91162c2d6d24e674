#pragma once
// The most recently used address files, newest first, kept in the initialisation file's [MRU]
// section under Item1 to Item4.
#include <QString>
#include <QStringList>

namespace rp {

class IniFile;

inline constexpr int kMaxRecentFiles = 4;

// The non-empty entries of Item1 to Item4, in that order.
QStringList getMRUList(const IniFile& ini);
// The newest entry, or an empty string when there is none.
QString getMRUFile(const IniFile& ini);
// Writes the first four entries (or fewer) under Item1, Item2, ...; keys past the last
// entry written keep what they hold.
void putMRUList(IniFile& ini, const QStringList& files);
// Puts path in front of the stored entries, dropping an entry spelled exactly like it, keeps
// four, writes them and returns them. An empty path leaves the list as it is.
QStringList updateMRUList(IniFile& ini, const QString& path);

}  // namespace rp
