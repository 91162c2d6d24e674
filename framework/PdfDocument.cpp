#include "framework/PdfDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QPainterPath>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>

#include "framework/LineGlyphRuns.h"
#include "framework/ReportOpPainter.h"
#include "framework/ReportTextMetrics.h"

namespace rp {
namespace {

constexpr double kPointsPerInch = 72;
// From the pixels of the canvas's text layouts to points.
constexpr double kPointsPerDot = kPointsPerInch / ReportTextMetrics::kDotsPerInch;

const char kHex[] = "0123456789ABCDEF";

void appendHex4(QByteArray& out, quint32 value) {
    const char digits[4] = {kHex[(value >> 12) & 15], kHex[(value >> 8) & 15],
                            kHex[(value >> 4) & 15], kHex[value & 15]};
    out.append(digits, 4);
}

// Writes a glyph number as it stands in a string at out: its two bytes, those the string syntax
// gives a meaning to escaped. Returns their end.
char* writeGlyph(char* out, quint32 glyph) {
    for (const char byte : {static_cast<char>(glyph >> 8), static_cast<char>(glyph)}) {
        if (byte == '(' || byte == ')' || byte == '\\' || byte == '\r') *out++ = '\\';
        *out++ = byte == '\r' ? 'r' : byte;
    }
    return out;
}

// A text as a PDF string: UTF-16 with its byte order mark, in hexadecimal.
QByteArray textString(const QString& text) {
    QByteArray out = "<FEFF";
    for (const QChar c : text) appendHex4(out, c.unicode());
    return out + '>';
}

// Qt's dash patterns, in pen widths, for the styles report pens use.
std::vector<int> dashPattern(Qt::PenStyle style) {
    switch (style) {
        case Qt::DashLine:
            return {4, 2};
        case Qt::DotLine:
            return {1, 2};
        case Qt::DashDotLine:
            return {4, 2, 1, 2};
        case Qt::DashDotDotLine:
            return {4, 2, 1, 2, 1, 2};
        default:
            return {};
    }
}

// The characters the glyphs stand for, one for each glyph, run after run: the text when a
// single run has a glyph for each character, else the characters matched in turn to each run's
// font's own glyph for each, those without a glyph (blanks at the end of a line) left out. None
// when they do not match (a ligature, runs out of the text's order, or text set right to left).
std::optional<QString> glyphCharacters(const QList<QGlyphRun>& runs, const QString& text) {
    if (runs.size() == 1 && !runs.front().isRightToLeft() &&
        runs.front().glyphIndexes().size() == text.size())
        return text;
    QString matched;
    qsizetype j = 0;
    for (const QGlyphRun& glyphs : runs) {
        if (glyphs.isRightToLeft()) return std::nullopt;
        const QList<quint32> nominal = glyphs.rawFont().glyphIndexesForString(text);
        for (const quint32 id : glyphs.glyphIndexes()) {
            while (j < text.size() && nominal.value(j) != id && text[j].isSpace()) ++j;
            if (j == text.size() || nominal.value(j) != id) return std::nullopt;
            matched += text[j++];
        }
    }
    for (; j < text.size(); ++j)
        if (!text[j].isSpace()) return std::nullopt;
    return matched;
}

}  // namespace

PdfDocument::PdfDocument(const QString& path, QSizeF pageSize, const QString& title,
                         const QString& creator)
    : file_(path), size_(pageSize), title_(title), creator_(creator) {
    catalog_ = file_.reserve();
    pages_ = file_.reserve();
    resources_ = file_.reserve();
    info_ = file_.reserve();
}

namespace {

// Rounded half away from zero.
long long thousandthsOf(double value) {
    const double scaled = value * 1000;
    return static_cast<long long>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
}

}  // namespace

char* PdfDocument::writeThousandths(long long thousandths, char* end) {
    const bool negative = thousandths < 0;
    unsigned long long magnitude = negative ? 0ULL - thousandths : thousandths;
    char* at = end;
    *--at = ' ';
    int fraction = static_cast<int>(magnitude % 1000);
    if (fraction != 0) {
        int places = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --places;
        }
        for (int i = 0; i < places; ++i, fraction /= 10)
            *--at = static_cast<char>('0' + fraction % 10);
        *--at = '.';
    }
    unsigned long long whole = magnitude / 1000;
    do {
        *--at = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative) *--at = '-';
    return at;
}

// Numbers with at most three decimals, which is finer than a thousandth of a point.
void PdfDocument::number(double value) {
    char digits[32];
    const char* start = writeThousandths(thousandthsOf(value), std::end(digits));
    page_.append(start, std::end(digits) - start);
}

void PdfDocument::point(QPointF inches) {
    number(inches.x() * kPointsPerInch);
    number(size_.height() - inches.y() * kPointsPerInch);
}

void PdfDocument::rectangle(const QRectF& inches) {
    point(inches.bottomLeft());
    number(inches.width() * kPointsPerInch);
    number(inches.height() * kPointsPerInch);
    page_ += "re ";
}

void PdfDocument::setAlpha(int alpha) {
    if (alpha == state_.alpha) return;
    state_.alpha = alpha;
    auto found = std::find(alphas_.begin(), alphas_.end(), alpha);
    if (found == alphas_.end()) found = alphas_.insert(alphas_.end(), alpha);
    page_ += "/G" + QByteArray::number(found - alphas_.begin() + 1) + " gs\n";
}

void PdfDocument::setFill(const QColor& colour) {
    setAlpha(colour.alpha());
    const QRgb rgb = colour.rgb() | 0xFF000000;
    if (rgb == state_.fill) return;
    state_.fill = rgb;
    number(qRed(rgb) / 255.0);
    number(qGreen(rgb) / 255.0);
    number(qBlue(rgb) / 255.0);
    page_ += "rg\n";
}

void PdfDocument::setStroke(const ReportPen& pen) {
    setAlpha(pen.colour.alpha());
    const QRgb rgb = pen.colour.rgb() | 0xFF000000;
    if (rgb != state_.stroke) {
        state_.stroke = rgb;
        number(qRed(rgb) / 255.0);
        number(qGreen(rgb) / 255.0);
        number(qBlue(rgb) / 255.0);
        page_ += "RG\n";
    }
    // Never thinner than a dot of the resolution text is laid out at, as on a printer.
    const double width =
        ReportOpPainter::penPixels(pen.width, ReportTextMetrics::kDotsPerInch) * kPointsPerDot;
    if (width != state_.lineWidth || pen.style != state_.dashes) {
        state_.lineWidth = width;
        state_.dashes = pen.style;
        number(width);
        page_ += "w [";
        for (const int dash : dashPattern(pen.style)) number(dash * width);
        page_ += "] 0 d\n";
    }
}

void PdfDocument::draw(const ReportOp& op) {
    std::visit(
        [this](const auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, TextRun>)
                drawText(o);
            else if constexpr (std::is_same_v<T, LineOp>)
                drawLine(o);
            else if constexpr (std::is_same_v<T, RectOp>)
                drawRect(o);
            else if constexpr (std::is_same_v<T, FillOp>)
                drawFill(o);
            else if constexpr (std::is_same_v<T, ImageOp>)
                drawImage(o);
            else
                drawDocumentPage(o);
        },
        op);
}

void PdfDocument::saveState() {
    page_ += "q ";
    saved_.push_back(state_);
}

void PdfDocument::restoreState() {
    page_ += "Q\n";
    state_ = saved_.back();
    saved_.pop_back();
}

void PdfDocument::drawText(const TextRun& run) {
    // A run without its glyphs (kept for copies) is shaped again as the canvas shaped it.
    std::shared_ptr<const QList<QGlyphRun>> glyphs = run.glyphs;
    if (!glyphs && !run.text.isEmpty()) glyphs = measures_.of(run.font).shaped(run.text).glyphs;
    if (!glyphs || glyphs->isEmpty()) return;
    const QList<QGlyphRun>& runs = *glyphs;
    if (run.clipped) {
        saveState();
        rectangle(run.box);
        page_ += "W n\n";
    }
    setFill(run.colour);
    drawShapedText(runs, run.text, QPointF(run.x, run.baseline), ReportTextMetrics::kDotsPerInch);
    if (run.clipped) restoreState();
}

// The glyphs shaped from text at origin (inches) plus their positions, in dots of dotsPerInch.
// Where the glyphs cannot each be given the character they stand for, the text goes with them
// as a whole.
void PdfDocument::drawShapedText(const QList<QGlyphRun>& runs, const QString& text, QPointF origin,
                                 double dotsPerInch) {
    const std::optional<QString> characters = glyphCharacters(runs, text);
    if (!characters) page_ += "/Span<</ActualText" + textString(text) + ">>BDC\n";
    qsizetype first = 0;  // the character of the run's first glyph
    for (const QGlyphRun& glyphs : runs) {
        const qsizetype count = glyphs.glyphIndexes().size();
        const QString part = characters ? characters->mid(first, count) : QString();
        drawGlyphs(glyphs, origin, dotsPerInch, characters ? &part : nullptr);
        first += count;
    }
    if (!characters) page_ += "EMC\n";
}

// The glyphs at origin (inches) plus their positions, which are in dots of dotsPerInch. When
// text is given, glyph i stands for its character i.
void PdfDocument::drawGlyphs(const QGlyphRun& glyphs, QPointF origin, double dotsPerInch,
                             const QString* text) {
    const QRawFont raw = glyphs.rawFont();
    const int f = fonts_.fontOf(raw);
    const QList<quint32> ids = glyphs.glyphIndexes();
    const QList<QPointF> at = glyphs.positions();
    if (ids.isEmpty()) return;
    const double size = raw.pixelSize() * kPointsPerInch / dotsPerInch;
    const double toThousandths = 1000.0 / raw.pixelSize();
    page_ += "BT\n";
    if (fonts_.embeddable(f)) {
        setFont(f, 0, size);
        drawEmbeddedGlyphs(f, ids, at, origin, dotsPerInch, toThousandths, text);
    } else {
        // One glyph at a time, in the Type 3 font that holds it.
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const auto [type3, code] = fonts_.outlineCode(f, ids[i]);
            if (text) fonts_.mapGlyph(f, ids[i], text->at(i));
            fonts_.width(f, ids[i]);
            setFont(f, type3 + 1, size);
            page_ += "1 0 0 1 ";
            point(origin + at[i] / dotsPerInch);
            page_ += "Tm<";
            page_ += kHex[code >> 4];
            page_ += kHex[code & 15];
            page_ += ">Tj\n";
        }
    }
    page_ += "ET\n";
    if (glyphs.underline()) {
        // Under the glyphs from the first one's start to the last one's end, as a painter
        // underlines.
        const double right = at.back().x() + fonts_.width(f, ids.back()) / toThousandths;
        const double y = at.front().y() + raw.underlinePosition();
        rectangle(
            QRectF(origin + QPointF(at.front().x(), y - raw.lineThickness() / 2) / dotsPerInch,
                   QSizeF(right - at.front().x(), raw.lineThickness()) / dotsPerInch));
        page_ += "f\n";
    }
}

// Glyphs of an embedded font as strings of glyph numbers, one for each baseline, with the
// distances where the layout placed a glyph other than its width from the one before.
void PdfDocument::drawEmbeddedGlyphs(int font, const QList<quint32>& ids, const QList<QPointF>& at,
                                     QPointF origin, double dotsPerInch, double toThousandths,
                                     const QString* text) {
    // The glyphs go to the page in chunks.
    char chunk[256];
    char* end = chunk;
    const auto flush = [&] {
        page_.append(chunk, end - chunk);
        end = chunk;
    };
    qsizetype i = 0;
    while (i < ids.size()) {
        page_ += "1 0 0 1 ";
        point(origin + at[i] / dotsPerInch);
        page_ += "Tm[(";
        for (;; ++i) {
            if (end - chunk > static_cast<std::ptrdiff_t>(sizeof chunk) - 4) flush();
            end = writeGlyph(end, ids[i]);
            if (text) fonts_.mapGlyph(font, ids[i], text->at(i));
            const double width = fonts_.width(font, ids[i]);
            if (i + 1 == ids.size() || at[i + 1].y() != at[i].y()) break;
            const double kern = width - (at[i + 1].x() - at[i].x()) * toThousandths;
            if (std::abs(kern) >= 0.05) {
                flush();
                page_ += ')';
                number(kern);
                page_ += '(';
            }
        }
        ++i;
        flush();
        page_ += ")]TJ\n";
    }
}

// The part of a letter that lies on one page: each line of each block, fragment by fragment
// in its colour (black where it has none), within the page's rectangle.
void PdfDocument::drawDocumentPage(const DocumentPageOp& op) {
    if (!op.document || op.layoutDpi <= 0) return;
    const QTextDocument& document = *op.document;
    const double height = document.pageSize().height();
    const double top = op.page * height;
    saveState();
    rectangle(op.rect);
    page_ += "W n\n";
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QRectF bounds = layout->blockBoundingRect(block);
        if (bounds.bottom() <= top || bounds.top() >= top + height) continue;
        const QPointF origin =
            op.rect.topLeft() + (bounds.topLeft() - QPointF(0, top)) / op.layoutDpi;
        const QTextLayout& lines = *block.layout();
        for (int l = 0; l < lines.lineCount(); ++l) {
            const QTextLine line = lines.lineAt(l);
            const double baseline = bounds.top() + line.y() + line.ascent();
            if (baseline <= top || baseline > top + height) continue;
            const int lineEnd = line.textStart() + line.textLength();
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                const int from = std::max(fragment.position() - block.position(), line.textStart());
                const int to =
                    std::min(fragment.position() + fragment.length() - block.position(), lineEnd);
                if (from >= to) continue;
                const QTextCharFormat format = fragment.charFormat();
                setFill(format.foreground().style() == Qt::NoBrush ? QColor(Qt::black)
                                                                   : format.foreground().color());
                drawShapedText(glyphRunsInTextOrder(line, from, to),
                               block.text().mid(from, to - from), origin, op.layoutDpi);
            }
        }
    }
    restoreState();
}

// Type 3 font type3 - 1 of the font, or the embedded font when type3 is 0.
void PdfDocument::setFont(int font, int type3, double size) {
    const int key = font << 8 | type3;
    if (key == state_.font && size == state_.fontSize) return;
    state_.font = key;
    state_.fontSize = size;
    page_ += "/F" + QByteArray::number(font + 1);
    if (type3 > 0) page_ += '.' + QByteArray::number(type3 - 1);
    page_ += ' ';
    number(size);
    page_ += "Tf\n";
}

void PdfDocument::drawLine(const LineOp& line) {
    setStroke(line.pen);
    point(line.from);
    page_ += "m ";
    point(line.to);
    page_ += "l S\n";
}

void PdfDocument::drawRect(const RectOp& rect) {
    if (rect.fill.isValid()) {
        setFill(rect.fill);
        rectangle(rect.rect);
        page_ += "f\n";
    }
    if (!rect.outlined) return;
    setStroke(rect.pen);
    rectangle(rect.rect);
    page_ += "S\n";
}

void PdfDocument::drawFill(const FillOp& fill) {
    if (fill.rects.empty()) return;
    setFill(fill.colour);
    // Drawn from the first rectangle's corner, so a barcode's bars have the same short numbers
    // wherever it stands.
    const QPointF corner = fill.rects.front().topLeft();
    page_ += "q 1 0 0 1 ";
    point(corner);
    page_ += "cm\n";
    for (const QRectF& rect : fill.rects) {
        const FillRect key{thousandthsOf((rect.left() - corner.x()) * kPointsPerInch),
                           thousandthsOf((corner.y() - rect.bottom()) * kPointsPerInch),
                           thousandthsOf(rect.width() * kPointsPerInch),
                           thousandthsOf(rect.height() * kPointsPerInch)};
        auto written = fillRects_.constFind(key);
        if (written == fillRects_.cend()) {
            if (fillRects_.size() >= kFillRectsKept) fillRects_.clear();
            char text[4 * 24 + 3];
            char* start = std::end(text) - 3;
            std::memcpy(start, "re\n", 3);
            for (const long long n : {key.height, key.width, key.bottom, key.left})
                start = writeThousandths(n, start);
            written = fillRects_.insert(key, QByteArray(start, std::end(text) - start));
        }
        page_ += written.value();
    }
    page_ += "f Q\n";
}

void PdfDocument::drawImage(const ImageOp& image) {
    if (image.image.isNull()) return;
    const int n = imageOf(image.image);
    page_ += "q ";
    number(image.rect.width() * kPointsPerInch);
    page_ += "0 0 ";
    number(image.rect.height() * kPointsPerInch);
    point(image.rect.bottomLeft());
    page_ += "cm /I" + QByteArray::number(n + 1) + " Do Q\n";
}

// Each picture is written once, when first drawn: its colours, and its transparency as a mask.
int PdfDocument::imageOf(const QImage& image) {
    const auto found = images_.constFind(image.cacheKey());
    if (found != images_.constEnd()) return found.value();
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray colours;
    QByteArray alphas;
    colours.reserve(qsizetype(pixels.width()) * pixels.height() * 3);
    alphas.reserve(qsizetype(pixels.width()) * pixels.height());
    bool transparent = false;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb p = line[x];
            colours.append(static_cast<char>(qRed(p)))
                .append(static_cast<char>(qGreen(p)))
                .append(static_cast<char>(qBlue(p)));
            alphas.append(static_cast<char>(qAlpha(p)));
            transparent = transparent || qAlpha(p) != 255;
        }
    }
    const QByteArray size = "/Width " + QByteArray::number(pixels.width()) + "/Height " +
                            QByteArray::number(pixels.height()) + "/BitsPerComponent 8";
    QByteArray entries = "/Type/XObject/Subtype/Image" + size + "/ColorSpace/DeviceRGB";
    if (transparent) {
        const int mask = file_.reserve();
        file_.writeStream(mask, "/Type/XObject/Subtype/Image" + size + "/ColorSpace/DeviceGray",
                          alphas);
        entries += "/SMask " + QByteArray::number(mask) + " 0 R";
    }
    const int object = file_.reserve();
    file_.writeStream(object, entries, colours);
    const int n = static_cast<int>(imageObjects_.size());
    imageObjects_.push_back(object);
    images_.insert(image.cacheKey(), n);
    return n;
}

void PdfDocument::newPage() {
    endPage();
}

void PdfDocument::endPage() {
    const int contents = file_.reserve();
    file_.writeStream(contents, {}, page_);
    if (group_.empty()) groups_.push_back(file_.reserve());
    const int page = file_.reserve();
    file_.writeObject(page, "<</Type/Page/Parent " + QByteArray::number(groups_.back()) +
                                " 0 R/MediaBox [0 0 " + QByteArray::number(size_.width()) + ' ' +
                                QByteArray::number(size_.height()) + "]/Resources " +
                                QByteArray::number(resources_) + " 0 R/Contents " +
                                QByteArray::number(contents) + " 0 R>>");
    group_.push_back(page);
    ++pageCount_;
    if (group_.size() == kPagesPerGroup) writeGroup();
    // A new page description starts from the reader's defaults.
    page_.clear();
    state_ = State();
}

QByteArray PdfDocument::resources() {
    QByteArray out = "<</ProcSet[/PDF/Text/ImageC]/Font<<" + fonts_.write(file_) + ">>";
    out += "/ExtGState<<";
    for (std::size_t i = 0; i < alphas_.size(); ++i) {
        const QByteArray alpha = QByteArray::number(alphas_[i] / 255.0, 'f', 3);
        out += "/G" + QByteArray::number(static_cast<qulonglong>(i + 1)) + "<</ca " + alpha +
               "/CA " + alpha + ">>";
    }
    out += ">>/XObject<<";
    for (std::size_t i = 0; i < imageObjects_.size(); ++i)
        out += "/I" + QByteArray::number(static_cast<qulonglong>(i + 1)) + ' ' +
               QByteArray::number(imageObjects_[i]) + " 0 R";
    return out + ">>>>";
}

// The pages of the page tree's node that is being filled, under the tree's root.
void PdfDocument::writeGroup() {
    QByteArray kids;
    for (const int page : group_) kids += QByteArray::number(page) + " 0 R ";
    file_.writeObject(groups_.back(),
                      "<</Type/Pages/Parent " + QByteArray::number(pages_) + " 0 R/Kids[" + kids +
                          "]/Count " + QByteArray::number(static_cast<qulonglong>(group_.size())) +
                          ">>");
    group_.clear();
}

bool PdfDocument::finish() {
    endPage();
    if (!group_.empty()) writeGroup();
    file_.writeObject(resources_, resources());
    QByteArray kids;
    for (const int group : groups_) kids += QByteArray::number(group) + " 0 R ";
    file_.writeObject(
        pages_, "<</Type/Pages/Kids[" + kids + "]/Count " + QByteArray::number(pageCount_) + ">>");
    file_.writeObject(catalog_, "<</Type/Catalog/Pages " + QByteArray::number(pages_) + " 0 R>>");
    const QString now = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss"));
    file_.writeObject(info_, "<</Title" + textString(title_) + "/Creator" + textString(creator_) +
                                 "/Producer" + textString(QStringLiteral("Ravenpost")) +
                                 "/CreationDate(D:" + now.toLatin1() + "Z)>>");
    return file_.finish(catalog_, info_);
}

}  // namespace rp
