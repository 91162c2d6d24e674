#pragma once
// The QTextDocument a letter is edited and printed as.
#include <memory>

class QTextDocument;

namespace rp {

// An empty letter: 12-point Times New Roman on Letter paper with 1-inch margins.
std::unique_ptr<QTextDocument> newLetterDocument();

// A copy of a letter: its text, formats, default font and page layout.
std::unique_ptr<QTextDocument> copyLetterDocument(const QTextDocument& letter);

}  // namespace rp
