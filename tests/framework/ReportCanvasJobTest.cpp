// The report job: start, pages and page numbers, the status text, abort.
#include "framework/ReportCanvas.h"
#include "support/ReportLog.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

using namespace rp;

TEST(ReportJob, NothingIsDrawnBeforeTheStartOrAfterTheFinish) {
    ReportLog log;
    ReportCanvas canvas(log);
    EXPECT_EQ(canvas.pageNumber(), 0);
    canvas.println(QStringLiteral("early"));
    ASSERT_TRUE(canvas.start());
    EXPECT_TRUE(canvas.printing());
    canvas.println(QStringLiteral("inside"));
    canvas.finish();
    EXPECT_FALSE(canvas.printing());
    EXPECT_TRUE(log.ended());
    canvas.println(QStringLiteral("late"));
    EXPECT_EQ(log.textStrings(), QStringList{QStringLiteral("inside")});
    EXPECT_FALSE(canvas.aborted());
}

TEST(ReportJob, PagesAreNumberedFromOne) {
    ReportLog log;
    ReportCanvas canvas(log);
    ASSERT_TRUE(canvas.start());
    EXPECT_EQ(canvas.pageNumber(), 1);
    canvas.println(QStringLiteral("one"));
    canvas.newPage();
    canvas.newPage();
    canvas.println(QStringLiteral("three"));
    EXPECT_EQ(canvas.pageNumber(), 3);
    EXPECT_EQ(log.pages(), 3);
    EXPECT_EQ(log.textStrings(1), QStringList{QStringLiteral("one")});
    EXPECT_TRUE(log.texts(2).empty());
    EXPECT_EQ(log.textStrings(3), QStringList{QStringLiteral("three")});
}

TEST(ReportJob, EveryPageStartsWithTheHandlerAtTheTopOfTheSection) {
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.setMarginTop(1);
    // A footer below the section does not break the page again, even with automatic paging.
    canvas.setPageStartHandler([](ReportCanvas& c) {
        c.gotoXY(0, 10.5);
        c.print(QStringLiteral("Footer %1").arg(c.pageNumber()));
        c.home();
        c.println(QStringLiteral("Page %1").arg(c.pageNumber()));
    });
    canvas.setAutoPaging(true);
    ASSERT_TRUE(canvas.start());
    canvas.println(QStringLiteral("body"));
    canvas.newPage();
    EXPECT_EQ(log.textStrings(1), (QStringList{QStringLiteral("Footer 1"), QStringLiteral("Page 1"),
                                               QStringLiteral("body")}));
    EXPECT_EQ(log.textStrings(2),
              (QStringList{QStringLiteral("Footer 2"), QStringLiteral("Page 2")}));
    EXPECT_EQ(log.pages(), 2);
    EXPECT_NEAR(log.text(QStringLiteral("Page 2")).box.top(), 1.0, 1e-9);
}

TEST(ReportJob, StatusTextFillsInThePageAndTheStatusLines) {
    ReportLog log;
    ReportCanvas canvas(log);
    QStringList heard;
    canvas.setStatusListener([&heard](const QString& text) { heard << text; });
    canvas.setStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
    canvas.setStatusLine(0, QString());
    canvas.setStatusLine(1, QString());
    ASSERT_TRUE(canvas.start());
    EXPECT_EQ(canvas.statusText(), QStringLiteral("Printing Page 1\r\r"));
    canvas.setStatusLine(0, QStringLiteral("ZIP 02134"));
    canvas.newPage();
    canvas.newPage();
    EXPECT_EQ(canvas.statusText(), QStringLiteral("Printing Page 3\rZIP 02134\r"));
    EXPECT_EQ(heard.last(), canvas.statusText());
    EXPECT_TRUE(heard.contains(QStringLiteral("Printing Page 2\rZIP 02134\r")));
    // Other percent signs are kept as they are.
    canvas.setStatusFormat(QStringLiteral("\rPreview Stopped at page %p! 100%"));
    EXPECT_EQ(canvas.statusText(), QStringLiteral("\rPreview Stopped at page 3! 100%"));
}

TEST(ReportJob, AbortStopsTheOutputAndIsRemembered) {
    ReportLog log;
    ReportCanvas canvas(log);
    ASSERT_TRUE(canvas.start());
    canvas.println(QStringLiteral("before"));
    canvas.abort();
    EXPECT_TRUE(canvas.aborted());
    EXPECT_TRUE(log.aborted());
    EXPECT_FALSE(canvas.printing());
    canvas.println(QStringLiteral("after"));
    canvas.newPage();
    canvas.finish();
    EXPECT_FALSE(log.ended());
    EXPECT_EQ(log.pages(), 1);
    EXPECT_EQ(log.textStrings(), QStringList{QStringLiteral("before")});
    // A new start clears the flag.
    ASSERT_TRUE(canvas.start());
    EXPECT_FALSE(canvas.aborted());
}

}  // namespace
