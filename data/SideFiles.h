#pragma once
// The side tables delivered with the program (label stocks and setups, envelope sizes and
// setups, letters, the state/ZIP table) are copied into the data folder when missing there.
#include <QString>
#include <QStringList>

namespace rp {

// The six side tables, by file name.
const QStringList& sideFileNames();

// The file of that name in folder, whatever its letter case; empty when there is none.
QString findSideFile(const QString& folder, const QString& name);

// Where the delivered tables are, in the order searched: beside the program, in the build
// tree's share folder (build/share beside build/app), or where an installed copy keeps them
// (share/ravenpost beside bin/).
QStringList deliveredSideFolders(const QString& executableFolder);

// Copies each side table (with its index and memo files) that dataFolder lacks from the first
// source folder holding it; a table the user already has is never overwritten. Returns the
// names copied.
QStringList copyMissingSideFiles(const QString& dataFolder, const QStringList& sourceFolders);

}  // namespace rp
