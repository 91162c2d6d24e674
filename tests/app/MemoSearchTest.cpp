// The memo search: a new search from the first record, Find Next from the record after the
// current one, the position kept when nothing is found, Cancel, the filter, the part of each
// memo searched, letter case and the longest text.
#include <gtest/gtest.h>

#include <string>

#include "app/MemoSearch.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

class MemoSearchTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        // In LNAME order: Adams, Baker, Clark, Davis, Evans, Fox.
        davis = add({{"LNAME", "Davis"}, {"MEMO", "Nothing to say"}});
        adams = add({{"LNAME", "Adams"}, {"MEMO", "Met at the county fair"}});
        fox = add({{"LNAME", "Fox"}});
        clark = add({{"LNAME", "Clark"}, {"MEMO", "Likes FAIR weather\r\nand rain"}});
        evans = add({{"LNAME", "Evans"}, {"MEMO", "Fairfield office"}});
        baker = add({{"LNAME", "Baker"}});
    }

    // Runs a search, counting the steps taken.
    bool find(MemoWalkStart start) {
        return search.find(table.table(), start, [this] {
            ++steps;
            return true;
        });
    }

    MemoSearch search;
    int steps = 0;
    std::uint32_t adams = 0, baker = 0, clark = 0, davis = 0, evans = 0, fox = 0;
};

TEST_F(MemoSearchTest, ANewSearchStartsAtTheFirstRecordAndFindNextGoesOn) {
    table->go(davis);
    search.setText("fair");
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), adams);
    EXPECT_TRUE(search.found());
    EXPECT_EQ(steps, 0);

    EXPECT_TRUE(find(MemoWalkStart::AfterCurrent));
    EXPECT_EQ(table->recNo(), clark);
    EXPECT_EQ(steps, 1);  // Baker, who has no memo
    EXPECT_TRUE(find(MemoWalkStart::AfterCurrent));
    EXPECT_EQ(table->recNo(), evans);
    EXPECT_EQ(shown.beeps(), 0);
}

TEST_F(MemoSearchTest, FindNextAfterTheLastMatchBeepsAndStaysThere) {
    search.setText("FAIR");
    table->go(evans);
    EXPECT_FALSE(find(MemoWalkStart::AfterCurrent));
    EXPECT_EQ(table->recNo(), evans);
    EXPECT_FALSE(search.found());
    EXPECT_EQ(shown.beeps(), 1);
    EXPECT_EQ(steps, 1);  // Fox
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(MemoSearchTest, NotFoundGoesBackToTheRecordItStartedOn) {
    table->go(clark);
    search.setText("zebra");
    EXPECT_FALSE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), clark);
    EXPECT_FALSE(table->eof());
    EXPECT_EQ(steps, 6);
    EXPECT_EQ(shown.beeps(), 1);
}

TEST_F(MemoSearchTest, CancelStopsTheWalkAndCountsAsNotFound) {
    table->go(fox);
    search.setText("office");  // only Evans, the fifth record
    int left = 2;
    EXPECT_FALSE(search.find(table.table(), MemoWalkStart::First, [&] { return --left > 0; }));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(table->recNo(), fox);
    EXPECT_FALSE(search.found());
    EXPECT_EQ(shown.beeps(), 1);
}

TEST_F(MemoSearchTest, TheWalkFollowsTheOrderAndTheFilter) {
    table->setFilter("UPPER(LNAME)<>\"ADAMS\"");
    table->go(fox);
    search.setText("fair");
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), clark);

    table->setFilter("UPPER(LNAME)<>\"EVANS\"");
    search.setText("office");
    table->go(fox);
    EXPECT_FALSE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), fox);

    table->setFilter("");
    table->setOrder("JUSTSEQNO");  // every SEQNO is 0: record order
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), evans);
    search.setText("fair");
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), adams);  // Adams was added before Clark
}

TEST_F(MemoSearchTest, OnlyTheFirst32767BytesOfAMemoAreSearched) {
    const std::string pad(kMemoSearchedBytes - 6, '.');
    const std::uint32_t within =
        add({{"LNAME", "Long"}, {"MEMO", pad + "NEEDLE and more"}});  // ends at 32767
    const std::uint32_t beyond =
        add({{"LNAME", "Longer"}, {"MEMO", pad + ".NEEDLE"}});  // ends at 32768
    table->go(adams);
    search.setText("needle");
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), within);
    EXPECT_FALSE(find(MemoWalkStart::AfterCurrent));
    EXPECT_EQ(table->recNo(), within);
    table->go(beyond);
    EXPECT_EQ(table->memo("MEMO").find("NEEDLE"), kMemoSearchedBytes - 5);
}

TEST_F(MemoSearchTest, LettersMatchInEitherCaseAccentedOnesToo) {
    const std::uint32_t cafe = add({{"LNAME", "Zola"},
                                    {"MEMO",
                                     "Caf\xE9 de l'\xC9"
                                     "cole, na\xEF"
                                     "ve \x9A"
                                     "a"}});
    search.setText(QString::fromUtf8("CAF\u00c9"));
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), cafe);
    search.setText(QString::fromUtf8("l'\u00e9cole, NA\u00cfVE \u0160A"));
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), cafe);
    search.setText("cafe");
    EXPECT_FALSE(find(MemoWalkStart::First));
    EXPECT_EQ(memoCapitals("a\xDF\xB5\xF7\xFF\x9Cz"), "A\xDF\xB5\xF7\x9F\x8CZ");
}

TEST_F(MemoSearchTest, AnEmptyTextOrOneTheFileCannotHoldFindsNothing) {
    table->go(clark);
    search.setText("");
    EXPECT_FALSE(find(MemoWalkStart::First));
    search.setText(QString::fromUtf8("fair \u0142"));
    EXPECT_FALSE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), clark);
    EXPECT_EQ(shown.beeps(), 2);
}

TEST_F(MemoSearchTest, ALongerTextIsCutToItsFirst255Characters) {
    const std::string kept(kMemoTextLimit, 'q');
    const std::uint32_t holder = add({{"LNAME", "Quincy"}, {"MEMO", "<" + kept + ">"}});
    search.setText(QString::fromStdString(kept + "this part is not sought"));
    EXPECT_EQ(search.text().size(), kMemoTextLimit);
    EXPECT_TRUE(find(MemoWalkStart::First));
    EXPECT_EQ(table->recNo(), holder);
    // Cut by the walk as well, for callers that hand it a longer text.
    table->go(adams);
    EXPECT_TRUE(walkMemos(table.table(), QString::fromStdString(kept + "!"), MemoWalkStart::First,
                          [] { return true; }));
    EXPECT_EQ(table->recNo(), holder);
}

TEST_F(MemoSearchTest, ANewTextForgetsTheLastFinding) {
    search.setText("fair");
    EXPECT_TRUE(find(MemoWalkStart::First));
    search.setText("rain");
    EXPECT_FALSE(search.found());
    EXPECT_EQ(search.text(), "rain");
}

}  // namespace
}  // namespace rp
