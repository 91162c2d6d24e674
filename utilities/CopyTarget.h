#pragma once
// Choosing the file Copy Records Out writes: the checks on a chosen name, each refusal told
// to the user, and the stand-in text while no name is chosen.
#include <QString>

namespace xbase {
class Table;
}

namespace rp {

enum class CopyKind { Dbf, Ascii, Vcard };

// Stands for no file chosen; the window shows it translated.
inline const QString kNoCopyTarget = QStringLiteral("(none)");

// Whether path names the table's own file, its memo file or its index, ignoring letter case.
bool isPartOfTable(const QString& path, const xbase::Table& table);

// The name to copy to after the checks on chosen: a DBF target needs the .DBF extension, the
// open address file and its companions are refused, and overwriting an existing file must be
// confirmed. kNoCopyTarget when a check refused it.
QString checkCopyTarget(CopyKind kind, const QString& chosen, const xbase::Table& addressFile);

}  // namespace rp
