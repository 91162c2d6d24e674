#pragma once
// Reads RTF text into a QTextDocument: paragraphs with their alignment, characters with font,
// size, bold, italic, underline and colour, and the page layout (stored with setPageLayout).
// Text bytes and font names are read in the code page of their font (\fcharsetN, \cpgN) or
// else of the document (\ansicpgN); \uN anywhere. Destinations and control words it does not
// know are skipped.
#include <QString>
#include <QStringList>
#include <optional>

class QByteArray;
class QTextDocument;

namespace rp {

// Groups nested deeper than this make the input unreadable.
inline constexpr int kRtfMaxGroupDepth = 100;

inline constexpr char kRtfNotRtf[] = QT_TRANSLATE_NOOP("RtfReader", "The text is not RTF");
inline constexpr char kRtfTooDeep[] =
    QT_TRANSLATE_NOOP("RtfReader", "The RTF groups are nested too deeply");
inline constexpr char kRtfUnterminated[] =
    QT_TRANSLATE_NOOP("RtfReader", "The RTF text ends before its last group is closed");

// Replaces the document's content with the RTF in data. Returns an error text when the input
// cannot be read whole; the document then holds what was read before the fault. Bytes after
// the closing brace of the outermost group are ignored. What the reader had to change to lay
// the letter out (a page larger than can be printed, margins wider than the page) is added to
// notes, one line each, when notes are asked for.
std::optional<QString> readRtf(const QByteArray& data, QTextDocument& document,
                               QStringList* notes = nullptr);

}  // namespace rp
