// The "Searching" window: its texts, Cancel stopping the walk, events handled between
// records, and the memo search run under it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/MemoSearch.h"
#include "app/MemoSearchProgress.h"
#include "support/AddressFileFixture.h"

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
    MemoSearchProgress window("x", nullptr);
    window.show();
    QTimer::singleShot(0, window.cancelButton(), &QPushButton::click);
    QElapsedTimer clock;
    clock.start();
    int steps = 0;
    while (window.afterRecord() && clock.elapsed() < 5000) ++steps;
    EXPECT_TRUE(window.cancelled());
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(MemoSearchProgress, EventsAreHandledEveryFewMillisecondsNotEveryRecord) {
    MemoSearchProgress window("x", nullptr);
    window.show();
    int passes = 0;
    QTimer everyPass;  // a zero timer fires once each time events are handled
    QObject::connect(&everyPass, &QTimer::timeout, [&passes] { ++passes; });
    everyPass.start(0);
    QElapsedTimer clock;
    clock.start();
    long steps = 0;
    while (clock.elapsed() < 60) {
        ASSERT_TRUE(window.afterRecord());
        ++steps;
    }
    EXPECT_GE(passes, 2);
    EXPECT_LE(passes, clock.elapsed() / MemoSearchProgress::kEventIntervalMs + 1);
    EXPECT_GT(steps, 10 * passes);
}

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
