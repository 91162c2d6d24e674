#pragma once
// Reading and writing address fields as QString: character values without trailing blanks,
// memos with CR LF line ends, and a refusal (with its message shown) for text the file's code
// page cannot hold, in which case nothing is stored.
#include <QString>
#include <optional>
#include <string>

namespace xbase {
class Table;
}

namespace rp {

// The Windows-1252 bytes of text; nothing, after telling the user, when a character cannot
// be held.
std::optional<std::string> StorableBytes(const QString& text);

QString FieldText(const xbase::Table& table, const char* field);
QString MemoText(const xbase::Table& table, const char* field);

// Stores text cut to the field's width; false (after telling the user) when a character
// cannot be held.
bool SetFieldText(xbase::Table& table, const char* field, const QString& text);
bool SetMemoText(xbase::Table& table, const char* field, const QString& text);

}  // namespace rp
