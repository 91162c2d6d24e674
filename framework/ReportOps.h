#pragma once
// The primitive drawing operations a report page is made of. The report canvas turns every
// call into these; surfaces paint, record or log them. All lengths are inches from the paper's
// top-left corner, y growing downward.
#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

class QTextDocument;

namespace rp {

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double points = 10;
    bool bold = false;
    bool italic = false;

    QFont toQFont() const;
    bool operator==(const ReportFont&) const = default;
};

enum class TextAlign { Left, Right, Centre };

// One run of text on one baseline. The canvas measured it: it starts at x and is width wide.
// Surfaces that measure with their own device fonts place it by its box and alignment instead,
// so right-aligned text ends on the box's right edge on every device.
struct TextRun {
    QString text;
    ReportFont font;
    QColor colour = Qt::black;
    double x = 0;
    double baseline = 0;
    double width = 0;
    QRectF box;  // the alignment box: left and right edges, top and bottom of the line
    TextAlign align = TextAlign::Left;
    bool clipped = false;  // nothing outside the box is drawn
    // The text's glyphs as the canvas shaped them at ReportTextMetrics::kDotsPerInch, one line
    // with its baseline at y 0; a device of that resolution draws them rather than shaping the
    // text again. None when the text was not shaped (or is empty).
    std::shared_ptr<const QList<QGlyphRun>> glyphs = nullptr;
};

struct ReportPen {
    QColor colour = Qt::black;
    Qt::PenStyle style = Qt::SolidLine;
    double width = 0.01;  // inches

    bool operator==(const ReportPen&) const = default;
};

struct LineOp {
    QPointF from;
    QPointF to;
    ReportPen pen;
};

struct RectOp {
    QRectF rect;
    bool outlined = true;
    ReportPen pen;  // the outline's pen when outlined
    QColor fill;    // invalid: not filled
    int shade = 0;  // percent of black when the fill is a shade, else 0
};

// Solid rectangles without outlines, all of one colour, filled in one go (the bars of a
// barcode): one fill on the device rather than a stroke or a fill for each.
struct FillOp {
    std::vector<QRectF> rects;
    QColor colour = Qt::black;
};

struct ImageOp {
    QRectF rect;  // the picture is stretched into it
    QImage image;
};

// One page of a paginated rich-text document (a letter): the part of the document that lies on
// that page, drawn into rect. The document was laid out at layoutDpi pixels per inch on pages
// of its pageSize(), which is rect's size at that resolution.
struct DocumentPageOp {
    std::shared_ptr<const QTextDocument> document;
    int page = 0;  // from 0
    QRectF rect;
    double layoutDpi = 96;
};

using ReportOp = std::variant<TextRun, LineOp, RectOp, FillOp, ImageOp, DocumentPageOp>;

// A shade: black at that percentage of opacity. On white paper it is the grey of the
// percentage; lines and text beneath it stay visible.
QColor shadeColour(int percent);

}  // namespace rp
