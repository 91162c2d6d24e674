#pragma once
// Merging an address record into a letter: every merge code of the letter is replaced by its
// value, which takes over the character format of the code's first character (a bold "[Last]"
// gives a bold name); an empty value removes the code. The codes are found once, in the letter
// as it stands: the text of a value is never searched for codes, so a first name typed as
// "[Last]" stays as typed. The lines of a value become lines of the code's paragraph.
#include <memory>

#include "letters/MergeValues.h"

class QTextDocument;

namespace rp {

// Merges the record into the document; returns the number of codes replaced.
int mergeLetter(QTextDocument& document, const MergeRecord& record);

// A copy of the letter (text, formats, page layout) merged with the record.
std::unique_ptr<QTextDocument> mergedLetter(const QTextDocument& letter, const MergeRecord& record);

}  // namespace rp
