#pragma once
// A report written straight into a PDF file, without a painter: each text run the canvas shaped
// becomes one positioned string of glyphs in the fonts it was shaped with, the bars of a
// barcode one fill, pictures are kept once however often they are drawn. Pages go to the file
// as they are finished, so a long job holds one page at a time. A letter's page is drawn from
// its document's layout: each fragment of text in its font, colour and underline.
#include <QByteArray>
#include <QGlyphRun>
#include <QHash>
#include <QSizeF>
#include <QString>
#include <vector>

#include "framework/PdfFile.h"
#include "framework/PdfFonts.h"
#include "framework/ReportOps.h"
#include "framework/ReportTextMetrics.h"

namespace rp {

class PdfDocument {
  public:
    // A document of pages of pageSize points, with its first page open.
    PdfDocument(const QString& path, QSizeF pageSize, const QString& title, const QString& creator);

    void newPage();
    void draw(const ReportOp& op);
    // Writes what is left and closes the file; false when a write failed (error() tells why).
    bool finish();
    const QString& error() const { return file_.error(); }

  private:
    void endPage();
    void drawText(const TextRun& run);
    void drawShapedText(const QList<QGlyphRun>& runs, const QString& text, QPointF origin,
                        double dotsPerInch);
    void drawGlyphs(const QGlyphRun& glyphs, QPointF origin, double dotsPerInch,
                    const QString* text);
    void drawEmbeddedGlyphs(int font, const QList<quint32>& ids, const QList<QPointF>& at,
                            QPointF origin, double dotsPerInch, double toThousandths,
                            const QString* text);
    void setFont(int font, int type3, double size);
    void drawDocumentPage(const DocumentPageOp& op);
    void saveState();
    void restoreState();
    void drawLine(const LineOp& line);
    void drawRect(const RectOp& rect);
    void drawFill(const FillOp& fill);
    void drawImage(const ImageOp& image);
    void setFill(const QColor& colour);
    void setStroke(const ReportPen& pen);
    void setAlpha(int alpha);
    void rectangle(const QRectF& inches);
    void point(QPointF inches);
    void number(double value);
    // A number in thousandths as the page description writes it, followed by a blank, into the
    // characters before end; where it starts.
    static char* writeThousandths(long long thousandths, char* end);
    int imageOf(const QImage& image);
    QByteArray resources();

    PdfFile file_;
    PdfFonts fonts_;
    QSizeF size_;
    int catalog_;
    int pages_;
    int resources_;
    int info_;
    QString title_;
    QString creator_;
    // The page tree: a root over nodes of up to kPagesPerGroup pages each, so that no node
    // grows with the length of the job.
    static constexpr std::size_t kPagesPerGroup = 512;
    void writeGroup();
    std::vector<int> groups_;  // the nodes' objects
    std::vector<int> group_;   // the pages of the last node while it is filled
    qulonglong pageCount_ = 0;
    QByteArray page_;  // the description of the open page
    // What the open page's description has set, so that it is not set again.
    struct State {
        QRgb fill = qRgb(0, 0, 0);
        QRgb stroke = qRgb(0, 0, 0);
        int alpha = 255;
        double lineWidth = 1;
        Qt::PenStyle dashes = Qt::SolidLine;
        int font = -1;  // the font's number, shifted 8 bits, and its Type 3 font's + 1
        double fontSize = 0;
    };
    State state_;
    std::vector<State> saved_;     // by saveState, for restoreState
    ReportFontMeasures measures_;  // shapes texts that come without their glyphs
    std::vector<int> alphas_;      // alpha of each graphics state /G1, /G2, ...
    QHash<qint64, int> images_;    // picture's key: its number among the images
    // The rectangles of fills as written, by their left, bottom, width and height in
    // thousandths of a point: a barcode's bars come back on every label.
    struct FillRect {
        long long left, bottom, width, height;
        bool operator==(const FillRect&) const = default;
        friend size_t qHash(const FillRect& r, size_t seed) {
            return qHashMulti(seed, r.left, r.bottom, r.width, r.height);
        }
    };
    static constexpr qsizetype kFillRectsKept = 4096;
    QHash<FillRect, QByteArray> fillRects_;
    std::vector<int> imageObjects_;  // /I1, /I2, ...
};

}  // namespace rp
