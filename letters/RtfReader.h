#pragma once
// Reads RTF text into a QTextDocument: paragraphs with their alignment, characters with font,
// size, bold, italic, underline and colour, and the page layout (stored with setPageLayout).
// Destinations and control words it does not know are skipped.
#include <QString>
#include <optional>

class QByteArray;
class QTextDocument;

namespace rp {

// Groups nested deeper than this make the input unreadable.
inline constexpr int kRtfMaxGroupDepth = 100;

inline constexpr char kRtfNotRtf[] = "The text is not RTF";
inline constexpr char kRtfTooDeep[] = "The RTF groups are nested too deeply";
inline constexpr char kRtfUnterminated[] = "The RTF text ends before its last group is closed";

// Replaces the document's content with the RTF in data. Returns an error text when the input
// cannot be read whole; the document then holds what was read before the fault. Bytes after
// the closing brace of the outermost group are ignored.
std::optional<QString> readRtf(const QByteArray& data, QTextDocument& document);

}  // namespace rp
