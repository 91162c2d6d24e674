// Counting ZIP codes: which keys are standard, the order and form of the count lines, and the
// walk over a real file's view.
#include "data/AddressLayout.h"
#include "postal/ZipCount.h"
#include "postal/ZipCountDialog.h"
#include "support/AddressFileFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace rp {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

TEST(ZipCountTallyTest, KeysAreSortedIntoStandardOtherAndBlank) {
    EXPECT_TRUE(isStandardZipKey("02134"));
    EXPECT_TRUE(isStandardZipKey("99999"));
    EXPECT_FALSE(isStandardZipKey("0213"));
    EXPECT_FALSE(isStandardZipKey("K1A 0"));
    EXPECT_FALSE(isStandardZipKey(" 2134"));

    ZipCountTally tally;
    tally.add("K1A 0B1   ");
    tally.add("1234      ");
    tally.add("          ");
    for (const char* zip :
         {"80201", "02134-1234", "02134", "K1A 0B1", "1234", "", "80201", "ABCDE", "", "02134"})
        tally.add(zip);
    EXPECT_EQ(tally.lines(kUs), (QStringList{"02134     3", "80201     2", "", "", "1234      2",
                                             "ABCDE     1", "K1A 0     2", "BLANK     3"}));
    EXPECT_EQ(ZipCountTally().lines(kUs), (QStringList{"", ""}));
}

TEST(ZipCountTallyTest, CountsAreGroupedByTheLocale) {
    EXPECT_EQ(countLine("02134", 1234, kUs), "02134     1,234");
    EXPECT_EQ(countLine("02134", 1234567, kUs), "02134     1,234,567");
    EXPECT_EQ(countLine("02134", 1234, QLocale(QLocale::German, QLocale::Germany)),
              "02134     1.234");
}

class ZipCountTest : public AddressFileFixture {};

TEST_F(ZipCountTest, WalksTheViewInRecordOrderAndPutsTheTableBack) {
    for (int i = 0; i < 250; ++i)
        add({{"LNAME", i % 50 == 0 ? "Gone" : "Kept"},
             {"ZIP", i % 2 ? "10001" : "20002"},
             {"PREFIX", i % 50 == 0 ? "DELETED" : ""}});
    table->setFilter(kStandingCondition.toStdString());
    table->setOrder("ZIP");
    table->goTop();
    table->skip(3);
    const std::uint32_t before = table->recNo();

    QStringList statuses;
    const auto lines = countZipCodes(
        table.table(), {[&](const QString& s) { statuses << s; }, [] { return true; }}, kUs);
    ASSERT_TRUE(lines);
    // Records 1, 51, 101, 151 and 201 are left out by the filter; all of them have 20002.
    EXPECT_EQ(*lines, (QStringList{"10001     125", "20002     120", "", ""}));
    EXPECT_EQ(statuses, (QStringList{"Reading database records...", "Reading record 100",
                                     "Reading record 200", "Sorting Zip Codes..."}));
    EXPECT_EQ(table->orderTagName(), "ZIP");
    EXPECT_EQ(table->recNo(), before);

    int calls = 0;
    EXPECT_FALSE(
        countZipCodes(table.table(), {[](const QString&) {}, [&] { return ++calls < 10; }}));
    EXPECT_EQ(calls, 10);
    EXPECT_EQ(table->orderTagName(), "ZIP");
    EXPECT_EQ(table->recNo(), before);
}

TEST_F(ZipCountTest, WindowCountsWhenShownAndPrintsFromTheSameLines) {
    add({{"ZIP", "30301"}});
    add({{"ZIP", ""}});
    ZipCountDialog window(table.table());
    QStringList printed;
    std::vector<bool> previews;
    window.printReport = [&](const QStringList& lines, bool preview) {
        printed = lines;
        previews.push_back(preview);
    };
    EXPECT_EQ(window.windowTitle(), "Count Zip Codes");
    EXPECT_EQ(window.heading()->text(), "Counting the number of occurrences of each zip code:");
    window.show();
    QApplication::processEvents();
    ASSERT_TRUE(window.counted());
    EXPECT_EQ(window.heading()->text(), "Finished counting. Press Print or Preview for the report");
    EXPECT_EQ(shown.beeps(), 1);
    EXPECT_TRUE(window.buttonPanel()->isVisible());
    EXPECT_FALSE(window.cancelButton()->isVisible());
    EXPECT_FALSE(window.status()->isVisible());

    add({{"ZIP", "30301"}});  // printing reuses the count made
    window.previewButton()->click();
    window.printButton()->click();
    EXPECT_EQ(printed, (QStringList{"30301     1", "", "", "BLANK     1"}));
    EXPECT_EQ(previews, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace rp
