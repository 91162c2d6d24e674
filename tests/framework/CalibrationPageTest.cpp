// The calibration page in inches on Letter and A4: the frame 0.5 inch in from every edge, the
// crosshairs where their labels say, the rulers' 1/32-inch ticks with their whole-inch numbers,
// and the whole page moved back by a printer's correction through a shifted surface.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "framework/CalibrationPage.h"
#include "framework/ReportCanvas.h"
#include "framework/ShiftedSurface.h"
#include "support/ReportLog.h"

namespace rp {
namespace {

constexpr double kNear = 1e-9;

void drawPage(ReportLog& log, PaperKind paper, QPointF offset = {}) {
    ShiftedSurface surface(log, offset);
    ReportCanvas canvas(surface);
    canvas.setPaper(paper);
    ASSERT_TRUE(canvas.start());
    drawCalibrationPage(canvas, QStringLiteral("Office Laser"));
    canvas.finish();
}

// The crosshairs' centres: where a horizontal and a vertical line of 0.5 inch cross.
std::vector<QPointF> crossings(const ReportLog& log) {
    std::vector<QPointF> out;
    const auto lines = log.lines();
    for (const LineOp& across : lines) {
        if (across.from.y() != across.to.y() ||
            std::abs(across.to.x() - across.from.x() - 0.5) > kNear)
            continue;
        for (const LineOp& down : lines)
            if (down.from.x() == down.to.x() &&
                std::abs(down.to.y() - down.from.y() - 0.5) < kNear &&
                std::abs(down.from.x() - (across.from.x() + 0.25)) < kNear &&
                std::abs(across.from.y() - (down.from.y() + 0.25)) < kNear)
                out.push_back(QPointF(down.from.x(), across.from.y()));
    }
    return out;
}

TEST(CalibrationPageTest, FrameCrosshairsAndRulersLieWhereTheirLabelsSay) {
    const struct {
        PaperKind paper;
        double width;
        double height;
        std::vector<QPointF> crosshairs;
        double acrossLast;
        double downLast;
    } cases[] = {
        {PaperKind::Letter,
         8.5,
         11,
         {{1.5, 1.5}, {7, 1.5}, {1.5, 9.5}, {7, 9.5}, {4.25, 5.5}},
         7,
         10},
        {PaperKind::A4,
         210 / 25.4,
         297 / 25.4,
         {{1.5, 1.5},
          {210 / 25.4 - 1.5, 1.5},
          {1.5, 297 / 25.4 - 1.5},
          {210 / 25.4 - 1.5, 297 / 25.4 - 1.5},
          {105 / 25.4, 148.5 / 25.4}},
         7,
         10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        ReportLog log;
        drawPage(log, c.paper);

        ASSERT_EQ(log.rects().size(), 1u);
        const QRectF frame = log.rects()[0].rect;
        EXPECT_NEAR(frame.left(), 0.5, 1e-6);
        EXPECT_NEAR(frame.top(), 0.5, 1e-6);
        EXPECT_NEAR(frame.right(), c.width - 0.5, 1e-3);
        EXPECT_NEAR(frame.bottom(), c.height - 0.5, 1e-3);

        const std::vector<QPointF> found = crossings(log);
        ASSERT_EQ(found.size(), c.crosshairs.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(found[i].x(), c.crosshairs[i].x(), 1e-3);
            EXPECT_NEAR(found[i].y(), c.crosshairs[i].y(), 1e-3);
            // Its label names its position to the hundredth.
            const QString label = QStringLiteral("%1 in from left, %2 in from top")
                                      .arg(QString::number(c.crosshairs[i].x(), 'f', 2),
                                           QString::number(c.crosshairs[i].y(), 'f', 2));
            EXPECT_TRUE(log.textStrings().contains(label)) << label.toStdString();
        }

        // Both rulers run from 3 inches to the last whole inch 1 inch in from the edge, one tick
        // every 1/32 inch, each whole inch numbered beside its longest tick.
        const CalibrationRuler across = horizontalRuler(QSizeF(c.width, c.height));
        EXPECT_DOUBLE_EQ(across.first, 3);
        EXPECT_DOUBLE_EQ(across.last, c.acrossLast);
        const CalibrationRuler down = verticalRuler(QSizeF(c.width, c.height));
        EXPECT_DOUBLE_EQ(down.last, c.downLast);
        int acrossTicks = 0;
        int downTicks = 0;
        for (const LineOp& line : log.lines()) {
            if (line.from.y() == across.at && line.from.x() == line.to.x()) {
                ++acrossTicks;
                EXPECT_NEAR(line.to.y() - line.from.y(), rulerTickLength(line.from.x()), kNear);
            }
            if (line.from.x() == down.at && line.from.y() == line.to.y()) ++downTicks;
        }
        EXPECT_EQ(acrossTicks, int(32 * (c.acrossLast - 3)) + 1);
        EXPECT_EQ(downTicks, int(32 * (c.downLast - 3)) + 1);
        for (int inch = 3; inch <= c.acrossLast; ++inch)
            EXPECT_TRUE(log.textStrings().contains(QString::number(inch)));
        EXPECT_TRUE(
            log.textStrings().contains(QStringLiteral("Calibration page for Office Laser")));
        EXPECT_TRUE(log.textStrings().contains(
            QStringLiteral("Frame: 0.50 in from each edge of the paper")));
    }
}

TEST(CalibrationPageTest, TickLengthsMarkInchesHalvesQuartersDownToThirtySeconds) {
    const struct {
        double at;
        double length;
    } cases[] = {{3, 0.3},       {3.5, 0.2},      {3.25, 0.15},   {3.125, 0.12},
                 {3.0625, 0.09}, {3.03125, 0.06}, {3.96875, 0.06}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(rulerTickLength(c.at), c.length) << c.at;
}

TEST(CalibrationPageTest, AShiftedSurfaceMovesEveryKindOfOperation) {
    const QPointF offset(-0.06, 0.03);
    TextRun text;
    text.x = 1;
    text.baseline = 2;
    text.box = QRectF(1, 1.8, 2, 0.25);
    const TextRun movedText = std::get<TextRun>(shiftedOp(text, offset));
    EXPECT_DOUBLE_EQ(movedText.x, 0.94);
    EXPECT_DOUBLE_EQ(movedText.baseline, 2.03);
    EXPECT_EQ(movedText.box, QRectF(0.94, 1.83, 2, 0.25));

    const LineOp line = std::get<LineOp>(shiftedOp(LineOp{{1, 1}, {2, 3}, {}}, offset));
    EXPECT_EQ(line.from, QPointF(0.94, 1.03));
    EXPECT_EQ(line.to, QPointF(1.94, 3.03));
    RectOp rect;
    rect.rect = QRectF(1, 1, 1, 1);
    EXPECT_EQ(std::get<RectOp>(shiftedOp(rect, offset)).rect, QRectF(0.94, 1.03, 1, 1));
    const FillOp fill =
        std::get<FillOp>(shiftedOp(FillOp{{QRectF(1, 1, 0.02, 0.125)}, {}}, offset));
    EXPECT_EQ(fill.rects.at(0), QRectF(0.94, 1.03, 0.02, 0.125));
    EXPECT_EQ(std::get<ImageOp>(shiftedOp(ImageOp{QRectF(2, 2, 1, 1), {}}, offset)).rect,
              QRectF(1.94, 2.03, 1, 1));

    // The whole page lands moved; a zero offset leaves every position exactly as drawn.
    ReportLog plain;
    drawPage(plain, PaperKind::Letter);
    ReportLog zero;
    drawPage(zero, PaperKind::Letter, QPointF(0, 0));
    ReportLog moved;
    drawPage(moved, PaperKind::Letter, offset);
    ASSERT_EQ(moved.rects().size(), 1u);
    EXPECT_EQ(moved.rects()[0].rect.topLeft(), QPointF(0.44, 0.53));
    ASSERT_EQ(zero.entries().size(), plain.entries().size());
    // On a landscape page the sheet's offset turns with it: its x runs up the sheet, its y to the
    // sheet's right.
    EXPECT_EQ(pageOffset(offset, true), QPointF(-0.03, -0.06));
    EXPECT_EQ(pageOffset(offset, false), offset);
    ReportLog turned;
    {
        ShiftedSurface surface(turned, offset);
        ReportCanvas canvas(surface);
        canvas.setPaper(PaperKind::Letter);
        canvas.setLandscape(true);
        ASSERT_TRUE(canvas.start());
        canvas.line(1, 1, 2, 1);
        canvas.finish();
    }
    EXPECT_EQ(turned.lines().at(0).from, QPointF(0.97, 0.94));
    for (std::size_t i = 0; i < plain.lines().size(); ++i)
        EXPECT_EQ(zero.lines()[i].from, plain.lines()[i].from);
}

}  // namespace
}  // namespace rp
