// The designer's label picture drawn onto images at 96 pixels per inch: the silver fill and
// the rounded white label, where the lines fall, the clipping, and the barcode picture.
#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QPainter>

#include "labels/LabelDesignerModel.h"
#include "labels/LabelDesignerPreview.h"

namespace rp {
namespace {

constexpr int kPpi = 96;

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Inside the label's outline, its rounded corners left out.
bool inside(const QImage& image, int x, int y) {
    const int w = image.width(), h = image.height();
    if (x < 2 || y < 2 || x > w - 3 || y > h - 3) return false;
    return !((x < 11 || x > w - 12) && (y < 11 || y > h - 12));
}

// The box of dark pixels inside the label's outline, within the given rows.
QRect inkBox(const QImage& image, int top, int bottom) {
    QRect box;
    for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (inside(image, x, y) && dark(image, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

LabelSetup setupAt(int x, int y, int width100 = 400) {
    LabelSetup s = defaultLabelSetup();
    s.labelWidth = width100 / 100.0f;
    s.labelHeight = 1.5f;
    s.xOffset = (x + 0.5f) / kPpi;
    s.yOffset = (y + 0.5f) / kPpi;
    s.fontName = "DejaVu Sans";
    s.fontSize = 10;
    return s;
}

TEST(LabelDesignerPreviewTest, SilverAroundAWhiteRoundedLabel) {
    const LabelDesignerModel m(setupAt(10, 10), kPpi);
    const QImage image = labelPreviewImage(m, {});
    ASSERT_EQ(image.size(), QSize(384, 144));
    // The corners lie outside the rounded label.
    for (const QPoint p :
         {QPoint(0, 0), QPoint(1, 1), QPoint(383, 0), QPoint(0, 143), QPoint(382, 142)})
        EXPECT_EQ(QColor(image.pixel(p)), kPreviewBackground) << p.x() << ',' << p.y();
    // The label's outline and its white inside.
    EXPECT_TRUE(dark(image, 192, 0));
    EXPECT_TRUE(dark(image, 0, 72));
    EXPECT_EQ(QColor(image.pixel(192, 72)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
    EXPECT_TRUE(inkBox(image, 0, image.height()).isNull());
}

TEST(LabelDesignerPreviewTest, LinesStartAtXAndStepByThePitch) {
    const LabelDesignerModel m(setupAt(20, 30), kPpi);
    ASSERT_EQ(m.linePitch(), 16);
    const QImage image = labelPreviewImage(m, {"MMMM", "MMMM"});
    const QFont font = labelPreviewFont(m);
    EXPECT_EQ(font.pixelSize(), 13);
    const int descent = QFontMetrics(font).descent();
    const int baseline0 = 30 + 16 - descent;
    const QRect first = inkBox(image, 0, baseline0);
    const QRect second = inkBox(image, baseline0 + 1, baseline0 + 16);
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_GE(first.left(), 20);
    EXPECT_LE(first.left(), 22);
    EXPECT_NEAR(first.bottom(), baseline0, 1);
    EXPECT_GE(first.top(), 30);
    EXPECT_EQ(second.top(), first.top() + 16);
    EXPECT_EQ(second.left(), first.left());
    // Nothing else is written: no ink left of X, none below the second line.
    EXPECT_TRUE(inkBox(image, baseline0 + 17, image.height()).isNull());
}

TEST(LabelDesignerPreviewTest, TextBeyondTheLabelIsClipped) {
    LabelSetup s = setupAt(1, 1, 100);
    s.fontSize = 36;
    const LabelDesignerModel m(s, kPpi);
    QStringList lines;
    for (int i = 0; i < 6; ++i) lines << QString(20, QChar(0x2588));  // full blocks
    const QImage image = labelPreviewImage(m, lines);
    for (const QPoint p : {QPoint(0, 0), QPoint(1, 1), QPoint(95, 0), QPoint(0, 143),
                           QPoint(95, 143), QPoint(94, 142)})
        EXPECT_EQ(QColor(image.pixel(p)), kPreviewBackground) << p.x() << ',' << p.y();
}

TEST(LabelDesignerPreviewTest, BarcodePictureAboveTheText) {
    const QImage bars = labelBarcodePicture();
    ASSERT_EQ(bars.size(), QSize(248, 12));
    EXPECT_TRUE(dark(bars, 0, 0));  // the frame bar
    EXPECT_TRUE(dark(bars, 0, 11));
    EXPECT_FALSE(dark(bars, 2, 6));
    EXPECT_TRUE(dark(bars, 244, 0));
    int halfBars = 0;
    for (int x = 0; x < 248; x += 4)
        if (!dark(bars, x, 0) && dark(bars, x, 11)) ++halfBars;
    EXPECT_EQ(halfBars, 36);  // three of the five bars of each of 12 digits

    LabelSetup s = setupAt(30, 40);
    s.barcode = true;
    const LabelDesignerModel m(s, kPpi);
    ASSERT_EQ(m.barcodePosition(), QPoint(30, 25));
    const QImage image = labelPreviewImage(m, {});
    EXPECT_TRUE(dark(image, 30, 25));
    EXPECT_TRUE(dark(image, 30, 36));
    EXPECT_FALSE(dark(image, 30, 24));
    EXPECT_FALSE(dark(image, 30, 37));
    EXPECT_FALSE(dark(image, 29, 30));
    EXPECT_EQ(inkBox(image, 0, image.height()), QRect(30, 25, 246, 12));

    s.barcode = false;
    EXPECT_TRUE(inkBox(labelPreviewImage(LabelDesignerModel(s, kPpi), {}), 0, 144).isNull());
}

TEST(LabelDesignerPreviewTest, PitchFontIsStretchedToItsCharacterWidth) {
    LabelSetup s = setupAt(10, 10);
    s.fontName = "DejaVu Sans Mono 10CPI";
    const QFont pitch = labelPreviewFont(LabelDesignerModel(s, kPpi));
    EXPECT_NEAR(QFontMetrics(pitch).horizontalAdvance("0000000000"), 110, 12);
    EXPECT_FALSE(pitch.bold());
    s.fontName = "DejaVu Sans Mono 12CPI BOLD";
    EXPECT_TRUE(labelPreviewFont(LabelDesignerModel(s, kPpi)).bold());
    // No number before CPI: an ordinary font, never a zero width.
    s.fontName = "DejaVu Sans Mono CPI";
    const QFont plain = labelPreviewFont(LabelDesignerModel(s, kPpi));
    EXPECT_EQ(plain.stretch(), QFont("DejaVu Sans Mono CPI").stretch());
    EXPECT_GT(QFontMetrics(plain).horizontalAdvance("0"), 0);
}

}  // namespace
}  // namespace rp
