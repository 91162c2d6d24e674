// The "Searching" window: its texts, Cancel stopping the walk, events handled between
// records by its clock, and the memo search run under it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <vector>

#include "app/MemoSearch.h"
#include "app/MemoSearchProgress.h"
#include "support/AddressFileFixture.h"
#include "support/ManualClock.h"

namespace rp {
namespace {

TEST(MemoSearchProgress, ShowsTheTextAndACancelButton) {
    MemoSearchProgress window("x", nullptr);
    EXPECT_EQ(window.windowTitle(), "Searching");
    EXPECT_EQ(window.textLabel()->text(), "Searching for: x");
    EXPECT_EQ(window.cancelButton()->text(), "Cancel");
    EXPECT_EQ(window.findChildren<QPushButton*>().size(), 1);
    EXPECT_EQ(window.windowModality(), Qt::ApplicationModal);
}

TEST(MemoSearchProgress, ALongTextEndsInAnEllipsis) {
    const QString text(kMemoTextLimit, QLatin1Char('w'));
    MemoSearchProgress window(text, nullptr);
    const QString shown = window.textLabel()->text();
    EXPECT_TRUE(shown.startsWith("Searching for: www"));
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));
    EXPECT_LT(shown.size(), text.size());
    EXPECT_EQ(window.textLabel()->toolTip(), text);
}

TEST(MemoSearchProgress, CancelStopsTheWalk) {
    MemoSearchProgress window("x", nullptr);
    window.show();
    EXPECT_TRUE(window.afterRecord());
    window.cancelButton()->click();
    EXPECT_TRUE(window.cancelled());
    EXPECT_FALSE(window.afterRecord());
    EXPECT_FALSE(window.isVisible());
}

TEST(MemoSearchProgress, TheStepHandlesPendingEventsSoThatCancelGetsThrough) {
    ManualClock clock;
    MemoSearchProgress window("x", nullptr, clock);
    window.show();
    QTimer::singleShot(0, window.cancelButton(), &QPushButton::click);
    // The click waits for the step that handles events.
    EXPECT_TRUE(window.afterRecord());
    clock.advance(std::chrono::milliseconds(MemoSearchProgress::kEventIntervalMs + 1));
    EXPECT_FALSE(window.afterRecord());
    EXPECT_TRUE(window.cancelled());
}

// Events are handled once more than kEventIntervalMs has passed since they last were, however
// many records the walk steps over meanwhile: a zero timer fires once each time they are.
struct EventPassCase {
    const char* name;
    std::vector<int> advances;  // milliseconds the clock moves before each run of 100 steps
    int passes;
};

class MemoSearchEventPassTest : public ::testing::TestWithParam<EventPassCase> {};

TEST_P(MemoSearchEventPassTest, EventsAreHandledByTheClockNotEveryRecord) {
    ManualClock clock;
    MemoSearchProgress window("x", nullptr, clock);
    window.show();
    QCoreApplication::processEvents();
    int passes = 0;
    QTimer everyPass;
    QObject::connect(&everyPass, &QTimer::timeout, [&passes] { ++passes; });
    everyPass.start(0);
    for (const int advance : GetParam().advances) {
        clock.advance(std::chrono::milliseconds(advance));
        for (int step = 0; step < 100; ++step) ASSERT_TRUE(window.afterRecord());
    }
    EXPECT_EQ(passes, GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(MemoSearchProgress, MemoSearchEventPassTest,
                         ::testing::Values(EventPassCase{"ClockStill", {0}, 0},
                                           EventPassCase{"JustTheInterval", {10}, 0},
                                           EventPassCase{"PastTheInterval", {11}, 1},
                                           EventPassCase{"ThreeShortMoves", {5, 5, 5}, 1},
                                           EventPassCase{"ThreeLongMoves", {11, 11, 11}, 3},
                                           EventPassCase{"CountedFromTheLastPass", {11, 10, 1}, 2},
                                           EventPassCase{"OneLongPause", {1000}, 1}),
                         [](const ::testing::TestParamInfo<EventPassCase>& info) {
                             return info.param.name;
                         });

class FindTextInMemoTest : public AddressFileFixture {};

TEST_F(FindTextInMemoTest, RunsTheSearchUnderTheWindowWithTheListFrozen) {
    const std::uint32_t first = add({{"LNAME", "Adams"}});
    const std::uint32_t holder = add({{"LNAME", "Baker"}, {"MEMO", "owes a book"}});
    QWidget list;
    QWidget main;
    MemoSearch search;
    search.setText("BOOK");
    table->go(first);
    EXPECT_TRUE(findTextInMemo(search, table.table(), MemoWalkStart::First, &main, &list));
    EXPECT_EQ(table->recNo(), holder);
    EXPECT_TRUE(search.found());
    EXPECT_TRUE(list.updatesEnabled());
    EXPECT_EQ(main.findChild<MemoSearchProgress*>(), nullptr);

    EXPECT_FALSE(
        findTextInMemo(search, table.table(), MemoWalkStart::AfterCurrent, &main, nullptr));
    EXPECT_EQ(table->recNo(), holder);
    EXPECT_FALSE(search.found());
    EXPECT_EQ(shown.beeps(), 1);
}

}  // namespace
}  // namespace rp
