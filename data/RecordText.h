#pragma once
// Reading and writing address fields as QString: character values without trailing blanks,
// memos with CR LF line ends, and a refusal (UnstorableText) for text the file's code page
// cannot hold, in which case nothing is stored.
#include <QString>
#include <stdexcept>
#include <string>

namespace xbase {
class Table;
}

namespace rp {

// Text holds a character Windows-1252 has no place for. what() is the message for the user in
// UTF-8, "The character "ł" cannot be stored in a Ravenpost file.", which callers show as an
// information message.
class UnstorableText : public std::runtime_error {
  public:
    explicit UnstorableText(const QString& character);
};

// The Windows-1252 bytes of text; throws UnstorableText when a character cannot be held.
std::string storableBytes(const QString& text);

QString fieldText(const xbase::Table& table, const char* field);
QString memoText(const xbase::Table& table, const char* field);

// Stores text cut to the field's width. Throws UnstorableText, storing nothing, when a
// character cannot be held; xbase::Error as the engine does.
void setFieldText(xbase::Table& table, const char* field, const QString& text);
void setMemoText(xbase::Table& table, const char* field, const QString& text);

// The memo text a Save stores: CR LF line ends, and with line breaks counted as two
// characters, a length that is a non-zero multiple of 4 gets one blank at the end.
QString memoForSave(const QString& memoText);

}  // namespace rp
