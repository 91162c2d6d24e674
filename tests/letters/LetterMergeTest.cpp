// The merge code values of an address record, and the merge of a letter: each code replaced
// once, in its own formatting, and nothing a record brings in searched again.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "letters/LetterDocument.h"
#include "letters/LetterMerge.h"
#include "letters/MergeCodes.h"
#include "letters/RtfReader.h"
#include "support/SharedFolder.h"

namespace rp {
namespace {

MergeRecord record(AddressValues address, QString fax = {}, QString email = {}) {
    return {std::move(address), std::move(fax), std::move(email), QStringLiteral("12/08/2026")};
}

int codeIndex(const char* name) {
    for (std::size_t i = 0; i < kMergeCodeNames.size(); ++i)
        if (QLatin1String(kMergeCodeNames[i]) == QLatin1String(name)) return static_cast<int>(i);
    return -1;
}

QString value(const char* code, const MergeRecord& r) {
    return mergeCodeValue(codeIndex(code), r);
}

TEST(MergeValues, NameLineAddressBlockAndTownLinesFollowTheirRules) {
    const struct {
        AddressValues address;
        const char* fullName;
        const char* block;  // lines joined by "|"
        const char* cityStateZip;
    } cases[] = {
        {{"", "Ann", "", "Brown", "", "", "1 Elm St", "Boston", "MA", "02101", "", ""},
         "Ann Brown ",
         "Ann Brown |1 Elm St|Boston MA  02101",
         "Boston MA 02101"},
        {{"Dr.", "Cy", "Q", "Clark", "Director", "", "", "Austin", "", "73301", "", ""},
         "Dr. Cy Q. Clark ",
         "Dr. Cy Q. Clark |Director|Austin  73301",
         "Austin  73301"},
        {{"", "", "", "", "Director", "Acme", "", "", "TX", "", "USA", ""},
         "",
         "Director,  Acme|TX|USA",
         "TX"},
        {{"", "", "", "", "", "Acme", "", "", "", "", "", ""}, "", "Acme", ""},
    };
    for (const auto& c : cases) {
        const MergeRecord r = record(c.address);
        EXPECT_EQ(value("Full Name", r), c.fullName);
        EXPECT_EQ(value("Name and Address", r).replace(u'\n', u'|'), c.block);
        EXPECT_EQ(value("City+State+Zip", r), c.cityStateZip);
    }
    const MergeRecord r = record({"Ms.", "Ann", "Q", "Brown", "Chair", "Acme", "1 Elm St", "Boston",
                                  "MA", "02101", "USA", "555-1000"},
                                 "555-2000", "ann@example.com");
    const QStringList expected{
        "Ann",       "Brown", "Q",     "Ms.",   "Chair", "Acme",     "1 Elm St", "Boston",
        "MA",        "MA",    "02101", "02101", "USA",   "555-1000", "555-2000", "ann@example.com",
        "12/08/2026"};
    QStringList plain;
    for (const char* code :
         {"First", "Last", "Middle", "Prefix", "Title", "Organization", "Street", "City", "State",
          "Province", "Zip", "Postal Code", "Country", "Phone", "Fax", "E-Mail", "Today's Date"})
        plain << value(code, r);
    EXPECT_EQ(plain, expected);
}

// A letter of plain text with the given piece of it in another format.
std::unique_ptr<QTextDocument> letterWith(const QString& text, const QString& piece,
                                          const QTextCharFormat& format) {
    auto letter = newLetterDocument();
    letter->setPlainText(text);
    QTextCursor cursor(letter.get());
    const int at = static_cast<int>(text.indexOf(piece));
    cursor.setPosition(at);
    cursor.setPosition(at + static_cast<int>(piece.size()), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
    return letter;
}

QTextCharFormat formatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

TEST(LetterMerge, ValuesTakeTheFormatOfTheCodesFirstCharacter) {
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    const auto letter =
        letterWith(QStringLiteral("Dear [Last], welcome."), QStringLiteral("[Last]"), bold);
    const MergeRecord r = record({"", "Ann", "", "Brown", "", "", "", "", "", "", "", ""});
    const auto merged = mergedLetter(*letter, r);
    EXPECT_EQ(merged->toPlainText(), "Dear Brown, welcome.");
    EXPECT_TRUE(formatAt(*merged, 5).font().bold());
    EXPECT_TRUE(formatAt(*merged, 9).font().bold());
    EXPECT_FALSE(formatAt(*merged, 10).font().bold());          // the comma after it
    EXPECT_EQ(letter->toPlainText(), "Dear [Last], welcome.");  // the template is kept

    // Brackets and name in different formats: the format of the "[".
    QTextCharFormat italic;
    italic.setFontItalic(true);
    const auto split = letterWith(QStringLiteral("Hi [First]!"), QStringLiteral("First]"), italic);
    const auto mergedSplit = mergedLetter(*split, r);
    EXPECT_EQ(mergedSplit->toPlainText(), "Hi Ann!");
    EXPECT_FALSE(formatAt(*mergedSplit, 3).font().italic());
}

TEST(LetterMerge, TextFromTheRecordIsNeverSearchedForCodes) {
    const auto letter = newLetterDocument();
    letter->setPlainText(QStringLiteral("[First] [Last] of [Organization] in [City], [CITY]"));
    MergeRecord r =
        record({"", "[Last]", "", "[First]", "", "[City] Friends", "", "Rome", "", "", "", ""});
    const auto merged = mergedLetter(*letter, r);
    EXPECT_EQ(merged->toPlainText(), "[Last] [First] of [City] Friends in Rome, [CITY]");
}

TEST(LetterMerge, EmptyValuesVanishAndTheAddressBlockStaysOneParagraph) {
    const auto letter = newLetterDocument();
    letter->setPlainText(QStringLiteral("[Name and Address]\nDear [Prefix][Middle] [Last]"));
    const MergeRecord r =
        record({"", "Ann", "", "Brown", "", "", "1 Elm St", "Boston", "MA", "02101", "", ""});
    const auto merged = mergedLetter(*letter, r);
    EXPECT_EQ(merged->blockCount(), 2);
    EXPECT_EQ(merged->begin().text(),
              QStringLiteral("Ann Brown \u20281 Elm St\u2028Boston MA  02101"));
    EXPECT_EQ(merged->lastBlock().text(), "Dear  Brown");
}

TEST(LetterMerge, FixtureLettersKeepTheirFormattingAndLoseEveryCode) {
    SKIP_WITHOUT_SHARED_FOLDER();
    const MergeRecord r = record({"Ms.", "Ann", "Q", "Brown", "Chair", "Acme", "1 Elm St", "Boston",
                                  "MA", "02101", "", "555-1000"});
    for (const char* name : {"letter1-libreoffice.rtf", "letter2-a4-long-libreoffice.rtf",
                             "letter3-pandoc.rtf", "letter4-wordpad.rtf"}) {
        QFile file(QString::fromStdString(test::sharedFolder()) + QStringLiteral("/fixtures/rtf/") +
                   name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        QTextDocument letter;
        ASSERT_FALSE(readRtf(file.readAll(), letter).has_value()) << name;
        const auto merged = mergedLetter(letter, r);
        const QString text = merged->toPlainText();
        for (const char* code : kMergeCodeNames)
            EXPECT_FALSE(text.contains(mergeCode(QLatin1String(code)))) << name << " " << code;
    }
    // In the first fixture "[Prefix] [Last]" is bold Times New Roman: so is "Ms. Brown".
    QFile file(QString::fromStdString(test::sharedFolder()) +
               QStringLiteral("/fixtures/rtf/letter1-libreoffice.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QTextDocument letter;
    readRtf(file.readAll(), letter);
    const auto merged = mergedLetter(letter, r);
    const QString text = merged->toPlainText();
    const int at = static_cast<int>(text.indexOf(QStringLiteral("Ms. Brown")));
    ASSERT_GE(at, 0);
    for (int i : {at, at + 4}) {
        EXPECT_TRUE(formatAt(*merged, i).font().bold());
        EXPECT_EQ(formatAt(*merged, i).fontFamilies().toStringList().value(0), "Times New Roman");
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Thank you for your support in Boston.")));
}

TEST(LetterMerger, EachRecordGivesWhatAFreshMergeOfTheLetterGives) {
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    const auto letter = letterWith(
        QStringLiteral(
            "[Name and Address]\nDear [Prefix][Middle] [Last],\n[First][Last] of [City]."),
        QStringLiteral("[Last],"), bold);
    // Values longer, shorter, empty and of several lines, one after the other.
    const AddressValues records[] = {
        {"Ms.", "Ann", "Q", "Brown", "", "", "1 Elm St", "Boston", "MA", "02101", "", ""},
        {"", "", "", "Li", "", "", "", "", "", "", "", ""},
        {"Dr.", "Bartholomew", "", "Featherstonehaugh", "Director", "Acme", "22 Long Road",
         "San Francisco", "CA", "94105", "USA", ""},
        {"", "", "", "", "", "", "", "", "", "", "", ""},
        {"Mr.", "Al", "B", "Cy", "", "", "3 Oak", "Reno", "NV", "89501", "", ""},
    };
    LetterMerger merger(copyLetterDocument(*letter));
    for (const AddressValues& address : records) {
        const MergeRecord r = record(address);
        merger.merge(r);
        EXPECT_EQ(merger.document()->toHtml(), mergedLetter(*letter, r)->toHtml())
            << address.last.toStdString();
    }
    EXPECT_EQ(letter->toPlainText(),
              "[Name and Address]\nDear [Prefix][Middle] [Last],\n[First][Last] of [City].");
}

}  // namespace
}  // namespace rp
