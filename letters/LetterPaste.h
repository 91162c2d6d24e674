#pragma once
// What a letter keeps of rich text pasted or dropped into it: the characters with their font
// family, size, colour, bold, italic and underline, each paragraph's alignment, and the
// paragraph and line breaks; that is what a stored letter holds. Pictures are left out, a
// table's cells become text separated by tabs and its rows paragraphs, list items become plain
// paragraphs, and frames, indents, margins and spacing are not kept.
#include <QTextCharFormat>
#include <memory>

class QMimeData;
class QTextCursor;
class QTextDocument;

namespace rp {

// The rich text the data offers, as a document: HTML first, then Markdown, then RTF. Null when
// it offers plain text only, or nothing.
std::unique_ptr<QTextDocument> offeredRichText(const QMimeData& source);

// Whether the data offers anything a letter takes: rich text or some plain text.
bool offersLetterText(const QMimeData& source);

// The character format a letter keeps of format; a size given in pixels (96 a inch) or as a
// step larger or smaller than defaultPoints becomes points, to the half point.
QTextCharFormat letterCharFormat(const QTextCharFormat& format, double defaultPoints);

// Inserts at the cursor what a letter keeps of the rich document, as one step to undo. The
// first paragraph joins the one the cursor stands in.
void insertLetterText(QTextCursor& cursor, const QTextDocument& rich);

}  // namespace rp
