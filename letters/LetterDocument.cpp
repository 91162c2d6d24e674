#include "letters/LetterDocument.h"

#include <QTextDocument>

#include "letters/RtfPageLayout.h"

namespace rp {

std::unique_ptr<QTextDocument> newLetterDocument() {
    auto letter = std::make_unique<QTextDocument>();
    letter->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    setPageLayout(*letter, PageLayout{});
    return letter;
}

std::unique_ptr<QTextDocument> copyLetterDocument(const QTextDocument& letter) {
    std::unique_ptr<QTextDocument> copy(letter.clone());
    copy->setDefaultFont(letter.defaultFont());
    setPageLayout(*copy, pageLayout(letter));
    return copy;
}

}  // namespace rp
