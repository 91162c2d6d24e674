// Importing a text file into a real address file: the values stored, the closing message,
// cancel and failures, and the tags built afresh afterwards.
#include <QDir>
#include <QStringList>

#include "data/AddressLayout.h"
#include "data/RecordText.h"
#include "import/AsciiImport.h"
#include "import/ImportTags.h"
#include "support/AddressFileFixture.h"
#include "support/ImportTestSupport.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class AsciiImportTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "Existing"}});
    }

    AsciiImportResult import(std::string_view text, const ImportLayout& layout,
                             const ImportHooks& hooks = {}) {
        return importAsciiFile(table.table(), writeTextFile(dir, "in.txt", text), layout, hooks);
    }

    QString field(std::uint32_t recno, const char* name) {
        table->go(recno);
        return fieldText(table.table(), name);
    }
};

TEST_F(AsciiImportTest, StoresTheMatchedValuesAndBuildsTheTagsAfresh) {
    const auto result = import(
        "\"Smith, Jr.\",Ann,Boston,first note,,second note\r\n"
        "Adams,Bob,\"\",,kept out,only note\r\n"
        "\r\n"
        "Caf\xE9,Zo\r\n",
        layoutOf({"Last", "First", "City", "Memo", "", "Memo"}));
    EXPECT_EQ(result.outcome, AsciiImportResult::Outcome::Complete);
    EXPECT_EQ(asciiImportMessage(result), "Import complete. Imported 4 records.");
    EXPECT_EQ(asciiImportNotes(result), "");
    EXPECT_FALSE(table->hasStructuralIndex());
    ASSERT_EQ(table->recordCount(), 5u);

    EXPECT_EQ(field(2, "LNAME"), "Smith, Jr.");
    EXPECT_EQ(field(2, "FNAME"), "Ann");
    EXPECT_EQ(field(2, "CITY"), "Boston");
    EXPECT_EQ(memoText(table.table(), "MEMO"), "first note\r\nsecond note");
    EXPECT_EQ(field(3, "CITY"), "");
    EXPECT_EQ(memoText(table.table(), "MEMO"), "only note");
    table->go(4);
    EXPECT_EQ(table->recordBytes().substr(1).find_first_not_of(' '), std::string_view::npos);
    EXPECT_EQ(field(5, "LNAME"), QString::fromUtf8("Café"));

    int gauge = -1;
    ASSERT_TRUE(rebuildImportedTags(table, [&](int percent) { gauge = percent; }));
    EXPECT_EQ(gauge, 100);
    EXPECT_EQ(table->orderCount(), 21);
    // Every tag lists every record, and a seek finds the imported name.
    for (const AddressTagDef& tag : addressTags()) {
        table->setOrder(tag.name);
        EXPECT_EQ(walk().size(), 5u) << tag.name;
    }
    table->setOrder("LNAME");
    ASSERT_TRUE(table->seek("SMITH"));
    EXPECT_EQ(table->recNo(), 2u);
}

TEST_F(AsciiImportTest, TooLongValuesAreCutAndCounted) {
    const std::string longName(40, 'L');
    const auto result = import(longName + ",12345-67890-12345\n" + std::string(3000, 'x') + "\n",
                               layoutOf({"Last", "Zip/Post Code"}));
    EXPECT_EQ(asciiImportMessage(result), "Import complete. Imported 2 records.");
    EXPECT_EQ(field(2, "LNAME"), QString(table->field(table->fieldNumber("LNAME")).width, u'L'));
    EXPECT_EQ(field(2, "ZIP"),
              QString("12345-67890-12345").left(table->field(table->fieldNumber("ZIP")).width));
    EXPECT_EQ(result.cutValues, 3u);
    EXPECT_EQ(result.cutLines, 1u);
    EXPECT_EQ(
        asciiImportNotes(result),
        "3 values were longer than their fields and were cut to fit.\r\n"
        "1 lines were longer than 2048 characters; the rest of those lines was not imported.");
}

TEST_F(AsciiImportTest, CancelKeepsTheRecordsPostedSoFar) {
    int asked = 0;
    std::vector<int> percents;
    const auto result =
        import("a\nb\nc\nd\n", layoutOf({"Last"}),
               {{}, {[&](int p) { percents.push_back(p); }, [&] { return ++asked <= 4 + 2; }}});
    // Four calls while counting, then one before each line: the second line is the last.
    EXPECT_EQ(asciiImportMessage(result), "Import cancelled after importing 2 records.");
    EXPECT_EQ(table->recordCount(), 3u);
    EXPECT_EQ(field(3, "LNAME"), "b");
    EXPECT_EQ(percents, (std::vector<int>{25, 50}));
}

TEST_F(AsciiImportTest, LettersTheFileCannotHoldAreStoredInACloseSpellingInEveryEncoding) {
    // One line each: UTF-8 with a byte order mark, Windows-1252, UTF-8, UTF-8 with an emoji in
    // a memo, plain ASCII.
    const auto result = import(
        "\xEF\xBB\xBF\xC5\x81\xC3\xB3"
        "d\xC5\xBA,Anna\n"
        "M\xFCller,J\xF6rg\n"
        "Dvo\xC5\x99\xC3\xA1k,Anton\n"
        "Smile,Sam,\xF0\x9F\x98\x80 hi\n"
        "Plain,Pat\n",
        layoutOf({"Last", "First", "Memo"}));
    EXPECT_EQ(result.outcome, AsciiImportResult::Outcome::Complete);
    EXPECT_EQ(result.spelledCharacters, 3u);
    EXPECT_EQ(result.replacedCharacters, 1u);
    EXPECT_EQ(asciiImportMessage(result), "Import complete. Imported 5 records.");
    EXPECT_EQ(asciiImportNotes(result),
              "3 characters were stored in a close spelling and 1 replaced by ?.");
    EXPECT_TRUE(shown.texts().isEmpty());
    ASSERT_EQ(table->recordCount(), 6u);
    EXPECT_EQ(field(2, "LNAME"), QString::fromUtf8("Lódz"));
    EXPECT_EQ(field(3, "LNAME"), QString::fromUtf8("Müller"));
    EXPECT_EQ(field(3, "FNAME"), QString::fromUtf8("Jörg"));
    EXPECT_EQ(field(4, "LNAME"), QString::fromUtf8("Dvorák"));
    table->go(5);
    EXPECT_EQ(memoText(table.table(), "MEMO"), "? hi");
    EXPECT_EQ(field(6, "LNAME"), "Plain");
}

TEST_F(AsciiImportTest, AValueSpelledAgainIsCountedAgain) {
    // "Łódź" three times, the emoji memo twice, with other lines between them.
    const std::string lodz =
        "\xC5\x81\xC3\xB3"
        "d\xC5\xBA";
    const auto result = import(lodz + ",Anna\nPlain,Pat,\xF0\x9F\x98\x80 hi\n" + lodz + ",Ben\n" +
                                   lodz + ",Cy,\xF0\x9F\x98\x80 hi\n",
                               layoutOf({"Last", "First", "Memo"}));
    EXPECT_EQ(result.spelledCharacters, 6u);
    EXPECT_EQ(result.replacedCharacters, 2u);
    for (const std::uint32_t recno : {2u, 4u, 5u})
        EXPECT_EQ(field(recno, "LNAME"), QString::fromUtf8("Lódz")) << recno;
    for (const std::uint32_t recno : {3u, 5u}) {
        table->go(recno);
        EXPECT_EQ(memoText(table.table(), "MEMO"), "? hi") << recno;
    }
}

TEST_F(AsciiImportTest, AFailedReadTellsTheFilesOwnCause) {
    const QString folder = QString::fromStdString(dir.file("folder.txt"));
    ASSERT_TRUE(QDir().mkdir(folder));
    const auto result = importAsciiFile(table.table(), folder, layoutOf({"Last"}));
    EXPECT_EQ(result.outcome, AsciiImportResult::Outcome::ReadError);
    EXPECT_TRUE(asciiImportMessage(result).startsWith(
        "Unknown error reading ASCII file after importing 0 records.\r\n" + folder + ": "))
        << asciiImportMessage(result).toStdString();
}

TEST_F(AsciiImportTest, ABinaryLineStopsTheImportWithoutItsRecord) {
    using namespace std::string_view_literals;
    const auto result = import("Lee\nA\0B\nNext\n"sv, layoutOf({"Last"}));
    EXPECT_EQ(asciiImportMessage(result),
              "Unknown error analyzing text line after importing 2 records.");
    table->commit();
    EXPECT_EQ(table->recordCount(), 2u);
}

TEST(TagRebuildGaugeTest, RisesAddUpAndFallsStartTheNextTag) {
    TagRebuildGauge gauge;
    EXPECT_EQ(gauge.show(50), 3);    // 50 / 1800 = 2.8 %
    EXPECT_EQ(gauge.show(100), 6);   // 5.6 %
    EXPECT_EQ(gauge.show(10), 6);    // the next tag
    EXPECT_EQ(gauge.show(100), 11);  // 190 / 1800 = 10.6 %
    for (int tag = 0; tag < 20; ++tag) {
        gauge.show(0);
        gauge.show(100);
    }
    EXPECT_EQ(gauge.show(100), 100);
}

}  // namespace
}  // namespace rp
