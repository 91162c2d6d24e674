#include "letters/LetterMerge.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

#include "letters/LetterDocument.h"
#include "letters/MergeCodes.h"

namespace rp {
namespace {

struct CodeAt {
    int position;  // of the "[" in the document
    int length;
    int code;  // index into kMergeCodeNames
};

// The code whose name is text, or -1.
int codeNamed(QStringView text) {
    for (std::size_t i = 0; i < kMergeCodeNames.size(); ++i)
        if (text == QLatin1String(kMergeCodeNames[i])) return static_cast<int>(i);
    return -1;
}

std::vector<CodeAt> findCodes(const QTextDocument& document) {
    std::vector<CodeAt> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        qsizetype open = text.indexOf(QLatin1Char('['));
        while (open >= 0) {
            const qsizetype close = text.indexOf(QLatin1Char(']'), open + 1);
            if (close < 0) break;
            const qsizetype nextOpen = text.indexOf(QLatin1Char('['), open + 1);
            if (nextOpen >= 0 && nextOpen < close) {  // "[[First]": the inner bracket starts it
                open = nextOpen;
                continue;
            }
            const int code = codeNamed(QStringView(text).mid(open + 1, close - open - 1));
            if (code >= 0)
                found.push_back({block.position() + static_cast<int>(open),
                                 static_cast<int>(close - open + 1), code});
            open = text.indexOf(QLatin1Char('['), close + 1);
        }
    }
    return found;
}

// The value of the code as it goes into the document: its lines as lines of the paragraph.
QString documentValue(int code, const MergeRecord& record) {
    QString value = mergeCodeValue(code, record);
    value.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
    return value;
}

// Puts value in place of the selection in the format given; an empty value removes it.
void replaceSelection(QTextCursor& cursor, const QString& value, const QTextCharFormat& format) {
    if (value.isEmpty())
        cursor.removeSelectedText();
    else
        cursor.insertText(value, format);
}

}  // namespace

int mergeLetter(QTextDocument& document, const MergeRecord& record) {
    const std::vector<CodeAt> codes = findCodes(document);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    // From the end backwards, so that the positions found before any change stay right.
    for (auto at = codes.rbegin(); at != codes.rend(); ++at) {
        cursor.setPosition(at->position + 1);
        const QTextCharFormat format = cursor.charFormat();  // of the code's first character
        cursor.setPosition(at->position);
        cursor.setPosition(at->position + at->length, QTextCursor::KeepAnchor);
        replaceSelection(cursor, documentValue(at->code, record), format);
    }
    cursor.endEditBlock();
    return static_cast<int>(codes.size());
}

std::unique_ptr<QTextDocument> mergedLetter(const QTextDocument& letter,
                                            const MergeRecord& record) {
    std::unique_ptr<QTextDocument> merged = copyLetterDocument(letter);
    merged->setUndoRedoEnabled(false);
    mergeLetter(*merged, record);
    return merged;
}

LetterMerger::LetterMerger(std::shared_ptr<QTextDocument> document)
    : document_(std::move(document)) {
    document_->setUndoRedoEnabled(false);
    QTextCursor cursor(document_.get());
    for (const CodeAt& at : findCodes(*document_)) {
        cursor.setPosition(at.position + 1);
        places_.push_back(
            {at.position, at.length, at.code, cursor.charFormat(), at.position, at.length});
    }
}

void LetterMerger::merge(const MergeRecord& record) {
    QTextCursor cursor(document_.get());
    cursor.beginEditBlock();
    // From the end backwards: a change moves only what follows it.
    for (auto at = places_.rbegin(); at != places_.rend(); ++at) {
        cursor.setPosition(at->position);
        cursor.setPosition(at->position + at->length, QTextCursor::KeepAnchor);
        const QString value = documentValue(at->code, record);
        replaceSelection(cursor, value, at->format);
        at->length = static_cast<int>(value.size());
    }
    cursor.endEditBlock();
    int shift = 0;
    for (Place& place : places_) {
        place.position = place.codePosition + shift;
        shift += place.length - place.codeLength;
    }
}

}  // namespace rp
