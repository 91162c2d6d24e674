// The ZIP code count report as drawn, in inches: the page heading, the frame and column lines,
// the rows of each column with every odd row shaded, new pages after the fourth column, the
// report of an empty view, and counts of any width printed whole.
#include "framework/ReportCanvas.h"
#include "framework/ReportTextMetrics.h"
#include "postal/ZipReport.h"
#include "support/ReportLog.h"

#include <gtest/gtest.h>
#include <cmath>

namespace rp {
namespace {

const ReportTextMetrics kRegular(ReportFont{QStringLiteral("Arial"), 10, false, false});
const ReportTextMetrics kBold(ReportFont{QStringLiteral("Arial"), 10, true, false});
constexpr double kEps = 1e-9;

// Rows in a column: whole lines between the area's top (1 inch) and bottom (10 inches).
int rowsPerColumn() {
    return static_cast<int>(std::floor(9 / kRegular.lineHeight() + 1e-9));
}

// The top of row (from 1) of any column.
double rowTop(int row) {
    return 1 + (row - 1) * kRegular.lineHeight();
}

QStringList countLines(int n) {
    QStringList lines;
    for (int i = 0; i < n; ++i) lines << QStringLiteral("%1     %2").arg(10000 + i).arg(i + 1);
    return lines;
}

class ZipReport : public ::testing::Test {
  protected:
    void draw(
        const QStringList& lines, std::function<bool()> keepGoing = [] { return true; }) {
        ReportCanvas canvas(log);
        ASSERT_TRUE(printZipReport(canvas, lines, keepGoing));
        canvas.finish();
    }

    std::vector<RectOp> shades(int page) const {
        std::vector<RectOp> found;
        for (const RectOp& rect : log.rects(page))
            if (rect.shade > 0) found.push_back(rect);
        return found;
    }

    // The frame and three column lines every page carries.
    void expectFrameAndLines(int page) const {
        std::vector<RectOp> frames;
        for (const RectOp& rect : log.rects(page))
            if (rect.outlined) frames.push_back(rect);
        ASSERT_EQ(frames.size(), 1u);
        EXPECT_EQ(frames[0].rect, QRectF(0.5, 1, 7.5, 9));
        EXPECT_FALSE(frames[0].fill.isValid());
        const std::vector<LineOp> lines = log.lines(page);
        ASSERT_EQ(lines.size(), 3u);
        const double offsets[] = {1.875, 3.75, 5.625};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(lines[i].from.x(), 0.5 + offsets[i], kEps);
            EXPECT_NEAR(lines[i].to.x(), 0.5 + offsets[i], kEps);
            EXPECT_NEAR(lines[i].from.y(), 1, kEps);
            EXPECT_NEAR(lines[i].to.y(), 10, kEps);
        }
    }

    void expectShadedRow(const RectOp& shade, int column, int row) const {
        EXPECT_EQ(shade.shade, 5);
        EXPECT_FALSE(shade.outlined);
        EXPECT_NEAR(shade.rect.left(), 0.5 + column * 1.875, kEps);
        EXPECT_NEAR(shade.rect.width(), 1.875, kEps);
        EXPECT_NEAR(shade.rect.top(), rowTop(row), kEps);
        EXPECT_NEAR(shade.rect.height(), kRegular.lineHeight(), kEps);
    }

    ReportLog log;
};

TEST_F(ZipReport, TheHeadingSitsAboveAndThePageNumberBelowTheFramedArea) {
    draw({"02134     1,234"});
    EXPECT_EQ(log.paper(), ReportPaper());
    EXPECT_EQ(log.textStrings(1),
              (QStringList{"Zip Code Count Report", "Page 1", "02134", "1,234"}));
    const TextRun title = log.text("Zip Code Count Report");
    EXPECT_NEAR(title.x, 0.5, kEps);
    EXPECT_NEAR(title.baseline, 0.75 + kBold.lineHeight(), kEps);
    EXPECT_TRUE(title.font.bold);
    EXPECT_EQ(title.font.family, "Arial");
    EXPECT_EQ(title.font.points, 10);
    const TextRun page = log.text("Page 1");
    EXPECT_NEAR(page.x, 0.5, kEps);
    EXPECT_NEAR(page.baseline, 10 + kRegular.lineHeight(), kEps);
    EXPECT_FALSE(page.font.bold);
    expectFrameAndLines(1);
}

TEST_F(ZipReport, RowsRunDownTheColumnWithOddRowsShaded) {
    draw({"02134     1,234", "10001     7", "30301     12", "94105     3"});
    for (int row = 1; row <= 4; ++row) {
        const TextRun key = log.texts(1)[static_cast<std::size_t>(2 * row)];
        const TextRun count = log.texts(1)[static_cast<std::size_t>(2 * row + 1)];
        EXPECT_NEAR(key.x, 0.55, kEps) << row;
        EXPECT_NEAR(key.baseline, rowTop(row) + kRegular.ascent(), kEps) << row;
        EXPECT_NEAR(count.x + count.width, 1.7, kEps) << row;
        EXPECT_NEAR(count.box.right(), 1.7, kEps) << row;
        EXPECT_EQ(count.align, TextAlign::Right);
        EXPECT_NEAR(count.baseline, key.baseline, kEps) << row;
        EXPECT_FALSE(key.font.bold);
    }
    EXPECT_EQ(log.text("02134").box, QRectF(0.55, rowTop(1), 0.525, kRegular.lineHeight()));
    EXPECT_EQ(log.text("1,234").text, "1,234");
    EXPECT_EQ(log.text("12").text, "12");
    const std::vector<RectOp> shaded = shades(1);
    ASSERT_EQ(shaded.size(), 2u);
    expectShadedRow(shaded[0], 0, 1);
    expectShadedRow(shaded[1], 0, 3);
}

TEST_F(ZipReport, FullColumnsMoveRightAndAFifthColumnStartsANewPage) {
    const int perColumn = rowsPerColumn();
    ASSERT_GT(perColumn, 40);
    draw(countLines(4 * perColumn + 3));
    ASSERT_EQ(log.pages(), 2);

    // The first row of each column on page 1: shaded, 1.875 inches further right each time.
    for (int column = 0; column < 4; ++column) {
        const QString key = QString::number(10000 + column * perColumn);
        const TextRun first = log.text(key);
        EXPECT_NEAR(first.x, 0.55 + column * 1.875, kEps) << column;
        EXPECT_NEAR(first.baseline, rowTop(1) + kRegular.ascent(), kEps) << column;
        expectShadedRow(shades(1)[static_cast<std::size_t>(column * ((perColumn + 1) / 2))], column,
                        1);
    }
    const TextRun last = log.text(QString::number(10000 + perColumn - 1));
    EXPECT_NEAR(last.baseline, rowTop(perColumn) + kRegular.ascent(), kEps);
    EXPECT_LE(last.baseline + kRegular.descent(), 10 + kEps);

    QStringList pageTwo{"Zip Code Count Report", "Page 2"};
    for (int i = 4 * perColumn; i < 4 * perColumn + 3; ++i)
        pageTwo << QString::number(10000 + i) << QString::number(i + 1);
    EXPECT_EQ(log.textStrings(2), pageTwo);
    const TextRun again = log.texts(2)[2];
    EXPECT_NEAR(again.x, 0.55, kEps);
    EXPECT_NEAR(again.baseline, rowTop(1) + kRegular.ascent(), kEps);
    const std::vector<RectOp> shaded = shades(2);
    ASSERT_EQ(shaded.size(), 2u);
    expectShadedRow(shaded[0], 0, 1);
    expectShadedRow(shaded[1], 0, 3);
    expectFrameAndLines(2);
}

TEST_F(ZipReport, AnEmptyViewPrintsOnePageWithTwoEmptyRows) {
    draw({"", ""});
    EXPECT_EQ(log.pages(), 1);
    EXPECT_EQ(log.textStrings(), (QStringList{"Zip Code Count Report", "Page 1"}));
    expectFrameAndLines(1);
    const std::vector<RectOp> shaded = shades(1);
    ASSERT_EQ(shaded.size(), 1u);
    expectShadedRow(shaded[0], 0, 1);
}

TEST_F(ZipReport, AMillionAndMoreIsPrintedWholeEndingAtTheCellsInnerEdge) {
    draw({"02134     1,234,567", "BLANK     12,345,678"});
    const TextRun count = log.text("1,234,567");
    EXPECT_NEAR(count.x + count.width, 1.7, kEps);
    EXPECT_NEAR(count.box.right(), 1.7, kEps);
    EXPECT_FALSE(count.clipped);
    const TextRun key = log.text("02134");
    EXPECT_LT(key.x + key.width, count.x);
    const TextRun wider = log.text("12,345,678");
    EXPECT_NEAR(wider.x + wider.width, 1.7, kEps);
    EXPECT_NEAR(wider.baseline, rowTop(2) + kRegular.ascent(), kEps);
}

TEST_F(ZipReport, DrawingEndsWhenTheHookSaysNo) {
    int rows = 0;
    draw(countLines(10), [&] { return ++rows < 3; });
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(log.textStrings(), (QStringList{"Zip Code Count Report", "Page 1", "10000", "1",
                                              "10001", "2", "10002", "3"}));
}

}  // namespace
}  // namespace rp
