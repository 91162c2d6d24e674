#pragma once
// Merging an address record into a letter: every merge code of the letter is replaced by its
// value, which takes over the character format of the code's first character (a bold "[Last]"
// gives a bold name); an empty value removes the code. The codes are found once, in the letter
// as it stands: the text of a value is never searched for codes, so a first name typed as
// "[Last]" stays as typed. The lines of a value become lines of the code's paragraph.
#include <QTextCharFormat>
#include <memory>
#include <vector>

#include "letters/MergeValues.h"

class QTextDocument;

namespace rp {

// Merges the record into the document; returns the number of codes replaced.
int mergeLetter(QTextDocument& document, const MergeRecord& record);

// A copy of the letter (text, formats, page layout) merged with the record.
std::unique_ptr<QTextDocument> mergedLetter(const QTextDocument& letter, const MergeRecord& record);

// One document merged with record after record: each merge puts the record's values in place of
// the last record's in one edit, so that a layout kept on the document lays out once per record,
// and only the paragraphs whose values changed. The codes are found once, in the document as
// given; the result of each merge is that of mergeLetter on the unmerged document.
class LetterMerger {
  public:
    // The document holds the unmerged letter; its undo is turned off.
    explicit LetterMerger(std::shared_ptr<QTextDocument> document);

    void merge(const MergeRecord& record);
    const std::shared_ptr<QTextDocument>& document() const { return document_; }

  private:
    struct Place {
        int codePosition;  // of the "[" in the unmerged document
        int codeLength;
        int code;  // index into kMergeCodeNames
        QTextCharFormat format;
        int position;  // where the code or the value that replaced it stands now
        int length;
    };

    std::shared_ptr<QTextDocument> document_;
    std::vector<Place> places_;
};

}  // namespace rp
