// Letters on their pages: a letter taller than one document's layout can measure is laid out in
// parts, and printing it puts every line on its page once, in order, whatever its length.
#include <QTextCursor>
#include <QTextDocument>

#include "letters/LetterDocument.h"
#include "letters/LetterPages.h"
#include "letters/LetterPrintRun.h"
#include "support/AddressFileFixture.h"
#include "support/ReportLog.h"
#include "tests/letters/PageLines.h"

namespace rp {
namespace {

// A letter of one-line paragraphs: "Dear [Last]," and then the lines of text.
std::unique_ptr<QTextDocument> letterOfLines(const QStringList& text) {
    auto letter = newLetterDocument();
    letter->setPlainText(QStringLiteral("Dear [Last],\n") + text.join(QLatin1Char('\n')));
    return letter;
}

QStringList numbered(const QString& pattern, int count) {
    QStringList lines;
    for (int n = 1; n <= count; ++n) lines << pattern.arg(n);
    return lines;
}

// At this resolution a line of 12-point text is about 19,000 pixels high, so some 1,750 lines
// fill the 2^25 pixels the layout of one document can measure.
constexpr double kHighDpi = 100000;

struct LongLetter {
    const char* what;
    QStringList text;
};

const LongLetter kLongLetters[] = {
    {"many characters, laid out in parts from the start",
     numbered(QStringLiteral("Line %1"), 3000)},
    {"few characters, too tall to lay out in one", QStringList(2000, QStringLiteral("x"))},
};

class LetterPagesTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "Adams"}});
        table->goTop();
    }
};

TEST_F(LetterPagesTest, ALetterTallerThanTheLayoutsRangePrintsEveryLineOnceOnFullPages) {
    for (const LongLetter& c : kLongLetters) {
        SCOPED_TRACE(c.what);
        const auto letter = letterOfLines(c.text);
        table->goTop();
        LetterPrintRun run(*letter, table.table(), {.copies = 1, .onlyCurrent = true, .today = {}});
        ReportLog log(kHighDpi);
        ASSERT_TRUE(run.run(log));
        const std::vector<DocumentPageOp> pages = log.documentPages();
        ASSERT_FALSE(pages.empty());
        EXPECT_EQ(static_cast<int>(pages.size()), log.pages());
        EXPECT_EQ(run.pagesCounted(), log.pages());

        QStringList printed;
        std::vector<int> linesPerPage;
        for (const DocumentPageOp& op : pages) {
            ASSERT_EQ(op.document->pageSize(), QSizeF(6.5 * kHighDpi, 9 * kHighDpi));
            const QStringList lines = linesOnPage(*op.document, op.page);
            linesPerPage.push_back(static_cast<int>(lines.size()));
            printed << lines;
        }
        EXPECT_EQ(printed, QStringList{"Dear Adams,"} + c.text);
        // Every page but the last is as full as the first.
        const int full = linesPerPage.front();
        EXPECT_GT(full, 1);
        for (std::size_t p = 0; p + 1 < linesPerPage.size(); ++p)
            EXPECT_EQ(linesPerPage[p], full) << "page " << p + 1;
        EXPECT_EQ(log.pages(), (static_cast<int>(printed.size()) + full - 1) / full);
        EXPECT_EQ(linesOnPage(*pages.back().document, pages.back().page).back(), c.text.back());
        // Each page lies within the range the layout measures.
        for (const DocumentPageOp& op : pages)
            EXPECT_LE((op.page + 1) * op.document->pageSize().height(), LetterPages::kPartPixels);
    }
}

TEST(LetterPages, AShortLetterIsLaidOutInPlaceAsItsOnlyPart) {
    std::shared_ptr<QTextDocument> letter = letterOfLines(numbered(QStringLiteral("Line %1"), 100));
    const LetterPages pages(letter, 300, QSizeF(1950, 2700));
    ASSERT_EQ(pages.parts().size(), 1u);
    EXPECT_EQ(pages.parts().front(), letter);
    EXPECT_EQ(pages.count(), letter->pageCount());
    EXPECT_EQ(pages.count(), 3);
    EXPECT_EQ(pages.page(2).document, letter);
    EXPECT_EQ(pages.page(2).page, 2);
}

TEST(LetterPages, APartContinuingAParagraphBeginsWithoutIndentOrRoomAbove) {
    // One paragraph of many lines with a first-line indent and room above it.
    std::shared_ptr<QTextDocument> letter = newLetterDocument();
    QTextCursor cursor(letter.get());
    QTextBlockFormat format;
    format.setTextIndent(720);
    format.setTopMargin(500);
    format.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(format);
    cursor.insertText(QStringList(6000, QStringLiteral("word")).join(QLatin1Char(' ')));
    const LetterPages pages(letter, 1200, QSizeF(6.5 * 1200, 9 * 1200));
    ASSERT_GE(pages.parts().size(), 2u);
    const QTextBlockFormat first = pages.parts()[1]->begin().blockFormat();
    EXPECT_EQ(first.textIndent(), 0);
    EXPECT_EQ(first.topMargin(), 0);
    EXPECT_EQ(first.alignment(), Qt::AlignHCenter);
    // The parts hold the paragraph's text once between them.
    QString text;
    for (const auto& part : pages.parts()) {
        const int shown = pages.parts().back() == part ? part->pageCount() : part->pageCount() - 1;
        for (int p = 0; p < shown; ++p) text += linesOnPage(*part, p).join(QString());
    }
    EXPECT_EQ(text, letter->toPlainText());
}

}  // namespace
}  // namespace rp
