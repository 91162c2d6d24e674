// Text shaped once: the canvas measures a text by shaping it, hands the glyphs on with the run,
// and a device of the measuring resolution draws them where the text was measured, exactly as
// if it had shaped the text itself.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include "framework/ReportCanvas.h"
#include "framework/ReportOpPainter.h"
#include "framework/ReportTextMetrics.h"
#include "support/ReportLog.h"

namespace {

using namespace rp;

QImage measuringImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(ReportTextMetrics::kDotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    return image;
}

TEST(ReportTextShaping, WidthsAreTheFontsOwnAdvances) {
    const ReportFont font{QStringLiteral("Arial"), 10, false, false};
    const QImage device = measuringImage(1, 1);
    const QFontMetricsF metrics(font.toQFont(), &device);
    const ReportTextMetrics measures(font);
    // Kerned pairs, spaces at either end, a tab, a ligature and letters beyond ASCII.
    const QString texts[] = {QStringLiteral("AVAVA Tay"), QStringLiteral("  1234 Main St "),
                             QStringLiteral("a\tb"),      QStringLiteral("office \uFB01le"),
                             QStringLiteral("Łódź"),      QString()};
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const double expected = metrics.horizontalAdvance(text) / ReportTextMetrics::kDotsPerInch;
        EXPECT_DOUBLE_EQ(measures.width(text), expected);
        EXPECT_DOUBLE_EQ(measures.shaped(text).width, expected);
        EXPECT_EQ(measures.shaped(text).glyphs != nullptr, !text.isEmpty());
    }
}

// A country on every label among names that never repeat: it is shaped once for the job.
TEST(ReportTextShaping, TextsThatRepeatAreShapedOnce) {
    const ReportTextMetrics measures(ReportFont{QStringLiteral("Arial"), 10, false, false});
    const auto country = measures.shaped(QStringLiteral("USA")).glyphs;
    for (int label = 0; label < 1000; ++label) {
        measures.shaped(QStringLiteral("Member %1").arg(label));
        measures.shaped(QStringLiteral("%1 Main St").arg(label));
        ASSERT_EQ(measures.shaped(QStringLiteral("USA")).glyphs, country) << label;
    }
}

TEST(ReportTextShaping, TheCanvasHandsItsGlyphsOnWithTheRun) {
    ReportLog log;
    ReportCanvas canvas(log);
    ASSERT_TRUE(canvas.start());
    canvas.println(QStringLiteral("Jane Q. Public"));
    canvas.printRight(QStringLiteral("Apt 5"), 4);
    const TextRun line = log.text(QStringLiteral("Jane Q. Public"));
    ASSERT_NE(line.glyphs, nullptr);
    ASSERT_EQ(line.glyphs->size(), 1);
    const QGlyphRun& glyphs = line.glyphs->front();
    EXPECT_EQ(glyphs.glyphIndexes().size(), line.text.size());
    // The baseline at y 0, so the run's baseline places it.
    EXPECT_EQ(glyphs.positions().front(), QPointF(0, 0));
    EXPECT_EQ(glyphs.positions().back().y(), 0);
    const TextRun right = log.text(QStringLiteral("Apt 5"));
    ASSERT_NE(right.glyphs, nullptr);
    EXPECT_NEAR(right.x + right.width, 4, 1e-12);
}

// Drawn from the canvas's glyphs and drawn by shaping again on the device: the same pixels.
TEST(ReportTextShaping, ALaidOutRunDrawsWhereTheDeviceWouldShapeIt) {
    struct Case {
        const char* text;
        TextAlign align;
        bool clipped;
        bool bold;
        QColor colour;
    };
    const Case cases[] = {
        {"Jane Q. Public", TextAlign::Left, false, false, Qt::black},
        {"AVAVA Tay", TextAlign::Right, false, true, Qt::black},
        {"Springfield, IL 62704", TextAlign::Centre, false, false, Qt::red},
        {"A line cut by its box on the right", TextAlign::Left, true, false, Qt::black},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ReportLog log;
        ReportCanvas canvas(log);
        canvas.setFont(ReportFont{QStringLiteral("Arial"), 10, c.bold, false});
        canvas.setTextColour(c.colour);
        ASSERT_TRUE(canvas.start());
        const QString text = QString::fromUtf8(c.text);
        const QRectF box(0.1, 0.05, 1.2, 0.2);
        if (c.clipped)
            canvas.printClipped(text, box);
        else if (c.align == TextAlign::Left)
            canvas.printLeft(text, 0.1);
        else if (c.align == TextAlign::Right)
            canvas.printRight(text, 1.9);
        else
            canvas.printCentre(text, 1);
        const TextRun laidOut = log.text(text);
        ASSERT_NE(laidOut.glyphs, nullptr);
        TextRun shapedAgain = laidOut;
        shapedAgain.glyphs = nullptr;

        const auto paint = [](const TextRun& run) {
            QImage image = measuringImage(2400, 480);
            QPainter painter(&image);
            ReportOpPainter(painter, ReportTextMetrics::kDotsPerInch).paint(run);
            painter.end();
            return image;
        };
        const QImage fromLayout = paint(laidOut);
        EXPECT_NE(fromLayout, measuringImage(2400, 480));
        EXPECT_EQ(fromLayout, paint(shapedAgain));
    }
}

}  // namespace
