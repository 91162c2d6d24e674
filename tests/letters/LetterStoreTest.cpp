// Letters as the letters file keeps them: the memo text's lines and its extra blank, the file's
// layout, and letters stored and read back.
#include <QTextDocument>
#include <algorithm>

#include "LettersFixture.h"
#include "letters/LetterText.h"
#include "letters/RtfPageLayout.h"
#include "letters/RtfWriter.h"

namespace rp {
namespace {

TEST(LetterMemoText, LinesEndInCrLfAndALengthThatIsAMultipleOfFourGetsOneBlankMore) {
    const struct {
        const char* rtf;
        const char* memo;
    } cases[] = {
        {"", ""},
        {"{\\rtf1}", "{\\rtf1}\r\n"},       // 9 characters
        {"{\\rtf1 }", "{\\rtf1 }\r\n"},     // 10
        {"{\\rtf}", "{\\rtf} \r\n"},        // 8: one blank more
        {"ab", "ab \r\n"},                  // 4
        {"ab\ncd", "ab\r\ncd \r\n"},        // 8, LF line ends
        {"ab\r\ncd\r\n", "ab\r\ncd \r\n"},  // a final line end ends the last line
        {"ab\rc", "ab\r\nc\r\n"},           // 7, CR line ends
        {"a\n\nb", "a\r\n\r\nb \r\n"},      // an empty line counts its line end: 8
    };
    for (const auto& c : cases) EXPECT_EQ(letterMemoText(QByteArray(c.rtf)), c.memo) << c.rtf;
}

TEST_F(LettersFixture, CreatedFileHasTheTwoFieldsAndNoTags) {
    ASSERT_EQ(letters->fieldCount(), 2);
    EXPECT_EQ(letters->field(1).name, "DESCRIPT");
    EXPECT_EQ(letters->field(1).type, 'C');
    EXPECT_EQ(letters->field(1).width, 50);
    EXPECT_EQ(letters->field(2).name, "RTF");
    EXPECT_EQ(letters->field(2).type, 'M');
    EXPECT_EQ(letters->field(2).width, 10);
    EXPECT_EQ(letters->orderCount(), 0);
    EXPECT_EQ(letters->recordCount(), 0u);
}

TEST_F(LettersFixture, StoredLettersReadBackWithTextLayoutAndTheirMemoRule) {
    // Four letters of consecutive lengths: one of them lands on a multiple of 4.
    int padded = 0;
    for (const char* text : {"a", "ab", "abc", "abcd"}) {
        const auto letter = letterOf(QString::fromLatin1(text));
        setPageLayout(*letter, {11906, 16838, 1134, 1134, 1417, 1417});
        storeLetter(*letters, LetterStore::Append, QStringLiteral("Letter ") + text, *letter);
        const std::string memo = letters->memo("RTF");
        std::string lines = letterMemoText(writeRtf(*letter));
        EXPECT_EQ(memo, lines);
        EXPECT_NE(memo.size() % 4, 0u);
        EXPECT_EQ(memo.substr(memo.size() - 2), "\r\n");
        if (memo.size() % 4 == 1 && memo[memo.size() - 3] == ' ') ++padded;
    }
    EXPECT_EQ(padded, 1);
    letters->close();
    letters = engine.open(enginePath(path()));
    letters->go(2);
    EXPECT_EQ(letterDescription(*letters), "Letter ab");
    QTextDocument read;
    EXPECT_FALSE(readLetter(*letters, read).has_value());
    EXPECT_EQ(read.toPlainText(), "ab");
    EXPECT_EQ(pageLayout(read), (PageLayout{11906, 16838, 1134, 1134, 1417, 1417}));
}

TEST_F(LettersFixture, StoringOverTheCurrentLetterAndRefusingWhatTheFileCannotHold) {
    addLetter(QStringLiteral("First"), QStringLiteral("one"));
    addLetter(QStringLiteral("Second"), QStringLiteral("two"));
    letters->go(1);
    storeLetter(*letters, LetterStore::Current, QStringLiteral("First, changed"),
                *letterOf(QStringLiteral("one again")));
    EXPECT_EQ(letters->recordCount(), 2u);
    EXPECT_EQ(storedText(1), "one again");
    EXPECT_EQ(letterDescription(*letters), "First, changed");
    EXPECT_EQ(storedText(2), "two");

    try {
        storeLetter(*letters, LetterStore::Append, QStringLiteral("Łódź"),
                    *letterOf(QStringLiteral("three")));
        FAIL() << "an unstorable description was stored";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "The character \"Ł\" cannot be stored in a Ravenpost file.");
    }
    EXPECT_EQ(letters->recordCount(), 2u);
}

TEST_F(LettersFixture, ADamagedMemoReadsWhatItCanAndSaysWhy) {
    letters->appendBlank();
    letters->setText("DESCRIPT", "Broken");
    letters->setMemo("RTF", "{\\rtf1 Dear friend,\\par We are");
    letters->post();
    QTextDocument read;
    EXPECT_EQ(readLetter(*letters, read), "The RTF text ends before its last group is closed");
    EXPECT_TRUE(read.toPlainText().startsWith("Dear friend,"));
}

}  // namespace
}  // namespace rp

namespace rp {
namespace {

TEST(DeliveredLetters, TheSampleLetterUsesTheCodesOnALetterPage) {
    xbase::Engine engine;
    const auto letters =
        engine.open(enginePath(QStringLiteral(RAVENPOST_SIDEFILE_DIR "/RVPLTRS.DBF")),
                    xbase::OpenMode::ReadOnly);
    ASSERT_EQ(letters->recordCount(), 1u);
    letters->go(1);
    EXPECT_EQ(letterDescription(*letters), "Sample letter: welcome to our list");
    const std::string memo = letters->memo("RTF");
    EXPECT_TRUE(std::all_of(memo.begin(), memo.end(), [](char c) { return c > 0; }));
    EXPECT_EQ(memo.substr(memo.size() - 2), "\r\n");
    EXPECT_NE(memo.size() % 4, 0u);
    QTextDocument letter;
    ASSERT_FALSE(readLetter(*letters, letter).has_value());
    EXPECT_EQ(pageLayout(letter), PageLayout{});
    const QString text = letter.toPlainText();
    for (const char* code : {"[Today's Date]", "[Name and Address]", "Dear [Prefix] [Last],",
                             "friends in [City] among"})
        EXPECT_TRUE(text.contains(QLatin1String(code))) << code;
}

}  // namespace
}  // namespace rp
