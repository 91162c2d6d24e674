// The sample read when a file is chosen, and the matching of its columns to address fields.
#include <gtest/gtest.h>

#include "import/AsciiMatching.h"
#include "import/AsciiSample.h"
#include "support/ImportTestSupport.h"

namespace rp {
namespace {

TEST(AsciiSampleTest, ColumnsFromTheFirstLineWidthsFromTenLines) {
    TempDir dir;
    std::string text = "\"Lee\",Ann\nBartholomew,Jo,extra-long-value\n\n";
    for (int i = 0; i < 7; ++i) text += "x,Maximilianus\n";
    text += "y,Wolfeschlegelsteinhausen\n";
    const AsciiSample sample = readAsciiSample(writeTextFile(dir, "s.txt", text));
    ASSERT_TRUE(sample.accepted);
    ASSERT_EQ(sample.layout.columnCount(), 2);
    EXPECT_EQ(sample.layout.columns[0].width, 11);
    // The 11th line's longer value is not part of the sample: only 10 lines are read.
    EXPECT_EQ(sample.layout.columns[1].width, 12);
    ASSERT_EQ(sample.rows.size(), 10u);
    EXPECT_EQ(sample.rows[0], (QStringList{"Lee", "Ann"}));
    EXPECT_EQ(sample.rows[2], (QStringList{"", ""}));
    EXPECT_FALSE(sample.layout.anyMatch());
}

TEST(AsciiSampleTest, FewerThanTwoLinesAreRefused) {
    TempDir dir;
    using namespace std::string_view_literals;
    // Empty, one line, and a binary file.
    for (std::string_view text : {""sv, "only,one,line\r\n"sv, "a\nb\0c\n"sv}) {
        const AsciiSample sample = readAsciiSample(writeTextFile(dir, "one.txt", text));
        EXPECT_FALSE(sample.accepted) << text;
        EXPECT_EQ(sample.layout.columnCount(), 0) << text;
    }
    EXPECT_TRUE(readAsciiSample(writeTextFile(dir, "two.txt", "a\nb")).accepted);
}

TEST(AsciiSampleTest, AtMost255Columns) {
    TempDir dir;
    const std::string wide = std::string(299, ',') + "\n";
    EXPECT_EQ(readAsciiSample(writeTextFile(dir, "w.txt", wide + wide)).layout.columnCount(), 255);
}

TEST(AsciiMatchingTest, ButtonsFollowTheMatchesTheSelectionMovesOnAndSaveStoresThem) {
    AsciiMatching m(layoutOf({"Last", "", "Memo", ""}));
    EXPECT_EQ(m.selectedRow(), 0);
    EXPECT_FALSE(m.buttonEnabled("Last"));
    EXPECT_TRUE(m.buttonEnabled("Memo"));
    EXPECT_TRUE(m.buttonEnabled("(none)"));

    // Re-matching a row frees its old field.
    m.choose("First");
    EXPECT_EQ(m.match(0), "First");
    EXPECT_TRUE(m.buttonEnabled("Last"));
    EXPECT_FALSE(m.buttonEnabled("First"));
    EXPECT_EQ(m.selectedRow(), 1);

    // A taken field cannot be chosen for a second column; Memo can.
    m.choose("First");
    EXPECT_EQ(m.match(1), "");
    EXPECT_EQ(m.selectedRow(), 1);
    m.choose("Memo");
    EXPECT_EQ(m.match(1), "Memo");
    EXPECT_EQ(m.selectedRow(), 2);

    m.select(0);
    m.choose("(none)");
    EXPECT_EQ(m.match(0), "");
    EXPECT_TRUE(m.buttonEnabled("First"));

    // The last row keeps the selection.
    m.select(3);
    m.choose("Zip/Post Code");
    EXPECT_EQ(m.selectedRow(), 3);

    ImportLayout saved = layoutOf({"City", "City", "City", "City"});
    EXPECT_TRUE(m.saveTo(saved));
    EXPECT_EQ(saved.columns[0].match, "");
    EXPECT_EQ(saved.columns[1].match, "Memo");
    EXPECT_EQ(saved.columns[3].match, "Zip/Post Code");
    m.select(1);
    for (int row = 1; row < 4; ++row) m.choose("(none)");
    EXPECT_FALSE(m.saveTo(saved));
}

}  // namespace
}  // namespace rp
