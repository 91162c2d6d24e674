#pragma once
// A letter as its memo holds it: the RTF text's lines, every line (the last included) ended by
// CR LF. When that text's length is a positive multiple of 4, one blank is added at the end of
// the last line, before its CR LF, so that the stored length is one more.
#include <QString>
#include <optional>
#include <string>

class QByteArray;
class QTextDocument;

namespace rp {

// The memo text of the RTF text rtf: split into lines at CR LF, LF or CR (a line break at the
// very end ends the last line rather than starting an empty one), each line ended by CR LF,
// and the blank added as above.
std::string letterMemoText(const QByteArray& rtf);

// The memo text of a document written as RTF.
std::string letterMemoText(const QTextDocument& document);

// Replaces the document's content with the letter of a memo text. Returns an error text when
// the memo cannot be read whole; the document then holds what was read before the fault.
std::optional<QString> loadLetterText(const std::string& memo, QTextDocument& document);

}  // namespace rp
