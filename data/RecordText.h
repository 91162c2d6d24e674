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
std::optional<std::string> storableBytes(const QString& text);

QString fieldText(const xbase::Table& table, const char* field);
QString memoText(const xbase::Table& table, const char* field);

// Stores text cut to the field's width; false (after telling the user) when a character
// cannot be held.
bool setFieldText(xbase::Table& table, const char* field, const QString& text);
bool setMemoText(xbase::Table& table, const char* field, const QString& text);

}  // namespace rp
