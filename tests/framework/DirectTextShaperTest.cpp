// Lines shaped straight through HarfBuzz against the same lines laid out by QTextLayout: the
// same glyphs at the same places and the same width, in every font the program's setups name,
// or no shaping at all for the texts the layout would split or treat specially.
#include <gtest/gtest.h>

#include <QImage>
#include <QTextLayout>

#include "framework/DirectTextShaper.h"
#include "framework/ReportTextMetrics.h"

namespace {

using namespace rp;

const QPaintDevice* device() {
    static QImage image = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(ReportTextMetrics::kDotsPerInch / 0.0254);
        i.setDotsPerMeterX(dotsPerMetre);
        i.setDotsPerMeterY(dotsPerMetre);
        return i;
    }();
    return &image;
}

std::optional<ShapedLine> laidOut(const QString& text, const QFont& font) {
    QTextLayout layout(text, font, const_cast<QPaintDevice*>(device()));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    line.setPosition(QPointF(0, -line.ascent()));
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1) return std::nullopt;
    return ShapedLine{runs.front(), line.horizontalAdvance()};
}

QFont fontAt(const char* family, double points, bool bold, bool italic) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return QFont(font, device());
}

const char* const kPlain[] = {
    "Jane Q. Public",
    "AVAVA Tay WAVE Yo",
    "1234 Main St., Apt. #5",
    "  1234 Main St ",
    "Springfield, IL 62704-1234",
    "62704",
    "***** ECRLOT ** C001",
    "office fiery flat affluent",
    "O'Brien-Smythe & Sons, Inc.",
    "\u00C6r\u00F8 \u00D8ster \u00C5by Stra\u00DFe \u0141\u00F3d\u017A \u0130stanbul",
    "caf\u00E9 na\u00EFve \u00FCber \u00E7a \u00F1and\u00FA",
    "non\u00A0breaking",
    "(555) 123-4567 x89 $1,234.50 50% @home ~/_[]{}|\\^`<>=+;:!?",
    "\uFB01le \u0133s",
};

// Texts the layout splits into several runs, or whose characters it treats specially.
const char* const kLeftToTheLayout[] = {
    "a\tb",
    "co\u00ADop",
    "e\u0301t\u00E9",
    "\u0391\u03B8\u03AE\u03BD\u03B1 Athens",
    "Tel Aviv \u05EA\u05DC",
    "line\u2028break",
    "zero\u200Bwidth",
};

TEST(DirectTextShaper, ShapesPlainLinesAsTheLayoutDoes) {
    struct Face {
        const char* family;
        bool bold;
        bool italic;
    };
    const Face faces[] = {{"Arial", false, false},           {"Arial", true, false},
                          {"Times New Roman", false, false}, {"Times New Roman", false, true},
                          {"Courier New", false, false},     {"DejaVu Sans", true, true}};
    for (const Face& face : faces) {
        for (const double points : {6.0, 10.0, 12.5, 36.0}) {
            const QFont font = fontAt(face.family, points, face.bold, face.italic);
            SCOPED_TRACE(QStringLiteral("%1 %2 pt").arg(font.family()).arg(points).toStdString());
            DirectTextShaper shaper(font);
            const QString probe = QString::fromUtf8(kPlain[1]) + QString::fromUtf8(kPlain[9]);
            shaper.calibrate(probe, laidOut(probe, font));
            ASSERT_TRUE(shaper.usable());
            for (const char* plain : kPlain) {
                const QString text = QString::fromUtf8(plain);
                SCOPED_TRACE(plain);
                const std::optional<ShapedLine> direct = shaper.shape(text);
                const std::optional<ShapedLine> layout = laidOut(text, font);
                ASSERT_TRUE(direct && layout);
                EXPECT_EQ(direct->glyphs.rawFont(), layout->glyphs.rawFont());
                EXPECT_EQ(direct->glyphs.glyphIndexes(), layout->glyphs.glyphIndexes());
                EXPECT_EQ(direct->glyphs.positions(), layout->glyphs.positions());
                EXPECT_EQ(direct->width, layout->width);
            }
            for (const char* other : kLeftToTheLayout)
                EXPECT_FALSE(shaper.shape(QString::fromUtf8(other))) << other;
        }
    }
}

// A font whose probe came out otherwise is never used, and a Type 1 font has no tables to
// shape with.
TEST(DirectTextShaper, ShapesNothingUnlessTheProbeAgreed) {
    const QFont arial = fontAt("Arial", 10, false, false);
    DirectTextShaper shaper(arial);
    EXPECT_FALSE(shaper.usable());
    EXPECT_FALSE(shaper.shape(QStringLiteral("Jane")));
    std::optional<ShapedLine> other = laidOut(QStringLiteral("AVAVA"), arial);
    ASSERT_TRUE(other);
    shaper.calibrate(QStringLiteral("AVAWA"), other);
    EXPECT_FALSE(shaper.usable());
    shaper.calibrate(QStringLiteral("AVAVA"), std::nullopt);
    EXPECT_FALSE(shaper.usable());
    shaper.calibrate(QStringLiteral("AVAVA"), other);
    EXPECT_TRUE(shaper.usable());

    const QFont type1 = fontAt("Nimbus Sans", 10, false, false);
    ASSERT_TRUE(QRawFont::fromFont(type1).fontTable("head").isEmpty());
    DirectTextShaper none(type1);
    none.calibrate(QStringLiteral("AVAVA"), laidOut(QStringLiteral("AVAVA"), type1));
    EXPECT_FALSE(none.usable());
}

}  // namespace
