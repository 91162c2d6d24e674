#pragma once
// The letters file RVPLTRS.DBF: one record per letter, its description (DESCRIPT C 50) and the
// whole letter as RTF (RTF M 10), listed in record order.
#include <QString>
#include <optional>

class QTextDocument;

namespace xbase {
class Engine;
class Table;
}  // namespace xbase

namespace rp {

inline constexpr char kLettersFileName[] = "RVPLTRS.DBF";
// The description a new letter starts with.
inline constexpr char kUntitledLetter[] = "{untitled}";
inline constexpr int kLetterDescriptionWidth = 50;

// Creates an empty letters file at path (a memo file beside it, no index tags); throws
// xbase::Error.
void createLettersFile(xbase::Engine& engine, const QString& path);

// The description of the current letter.
QString letterDescription(const xbase::Table& letters);

// Reads the current letter into document; returns an error text when its RTF cannot be read
// whole (the document holds what was read).
std::optional<QString> readLetter(const xbase::Table& letters, QTextDocument& document);

// Stores description and document into the current letter, or into a new record appended at the
// end, and posts. Throws std::runtime_error for a description holding a character the file
// cannot store, and the engine's errors; the record is then left unchanged (nothing appended).
enum class LetterStore { Current, Append };
void storeLetter(xbase::Table& letters, LetterStore where, const QString& description,
                 const QTextDocument& document);

}  // namespace rp
