// Pages written into a PDF by the program's own writer against the same pages painted through
// the printer's PDF writer: the same words in the same boxes, the same picture when rendered,
// and the fonts embedded as subsets or drawn from their outlines.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>
#include <memory>
#include <optional>

#include "framework/PdfFontSubset.h"
#include "framework/PdfFonts.h"
#include "framework/PrinterSurface.h"
#include "framework/ReportCanvas.h"
#include "framework/ReportOpPainter.h"
#include "support/ToolOutput.h"

using namespace rp;

namespace {

struct Word {
    QString text;
    double box[4];  // xMin, yMin, xMax, yMax in points
};

// Every word pdftotext finds on the page, with its box.
std::vector<Word> words(const QString& pdf, int page) {
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)"
        "</word>"));
    const QString number = QString::number(page);
    std::vector<Word> found;
    auto match = word.globalMatch(toolOutput(
        QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                      QStringLiteral("-l"), number, pdf, QStringLiteral("-")}));
    while (match.hasNext()) {
        const auto m = match.next();
        found.push_back({m.captured(5),
                         {m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()}});
    }
    return found;
}

QImage rendered(const QString& pdf, const QString& stem) {
    toolOutput(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-gray"), QStringLiteral("-f"),
         QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
}

// A page of what labels, envelopes and reports draw: text in five fonts and two colours, to
// the left, right and centre and clipped, a line with a star its font lacks, a framed shaded
// box, a dashed line, barcode bars and a picture with transparent parts.
void drawSamplePage(ReportCanvas& canvas) {
    ASSERT_TRUE(canvas.start());
    canvas.setFont(ReportFont{QStringLiteral("Arial"), 12, false, false});
    canvas.gotoXY(1, 1);
    canvas.println(QStringLiteral("Mrs. Jane Q. Public"));
    canvas.println(QStringLiteral("1234 Wavy Avenue, Suite 5"));
    canvas.println(QStringLiteral("Member \u2605 since 1999"));
    canvas.setBold(true);
    canvas.println(QStringLiteral("ANYTOWN NY 12345-6789"));
    canvas.setItalic(true);
    canvas.setFontSize(9);
    canvas.setTextColour(QColor(0, 0, 160));
    canvas.printRight(QStringLiteral("Page 1"), 7.5);
    canvas.printCentre(QStringLiteral("Ravenpost Mailing"), 4.25);
    canvas.setTextColour(Qt::black);
    canvas.setFont(ReportFont{QStringLiteral("Times New Roman"), 14, false, false});
    canvas.gotoXY(1, 3);
    canvas.printClipped(QStringLiteral("Clipped name that runs on"), QRectF(1, 2.8, 1.5, 0.3));
    // A Type 1 font, whose outlines cannot be embedded as they are.
    canvas.setFont(ReportFont{QStringLiteral("Nimbus Sans"), 11, false, false});
    canvas.printLeft(QStringLiteral("Presorted First-Class"), 5);
    canvas.setPen(Qt::black, Qt::SolidLine, 2);
    canvas.rectangle(QRectF(1, 4, 3, 1));
    canvas.shadeRectangle(QRectF(1.25, 4.25, 2, 0.5), 30);
    canvas.setPen(Qt::darkRed, Qt::DashLine, 1);
    canvas.line(1, 5.5, 7, 5.5);
    std::vector<QRectF> bars;
    for (int i = 0; i < 30; ++i)
        bars.emplace_back(1 + i * 0.05, 6 + (i % 2) * 0.03, 0.02, 0.125 - (i % 2) * 0.03);
    canvas.fillRectangles(bars, Qt::black);
    QImage stamp(40, 40, QImage::Format_ARGB32);
    stamp.fill(Qt::transparent);
    for (int y = 5; y < 35; ++y)
        for (int x = 5; x < 35; ++x) stamp.setPixelColor(x, y, QColor(200, 30, 30));
    canvas.picture(QRectF(6, 6, 1, 1), stamp);
}

// A letter's page laid out at 96 dots per inch in a 6.5 by 4 inch text rectangle, with bold,
// underlined, coloured and centred text, a paragraph that wraps and a star its font lacks,
// taken from another between two parts of a line in its own.
DocumentPageOp sampleLetterPage() {
    auto letter = std::make_shared<QTextDocument>();
    letter->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    letter->setPageSize(QSizeF(6.5 * 96, 4 * 96));
    letter->setDocumentMargin(0);
    QTextCursor cursor(letter.get());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Annual Meeting"), bold);
    cursor.insertBlock(QTextBlockFormat());
    QTextCharFormat plain;
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    QTextCharFormat red;
    red.setForeground(QColor(180, 0, 0));
    cursor.insertText(QStringLiteral("Dear Jane \u2605 member, the meeting is on "), plain);
    cursor.insertText(QStringLiteral("Tuesday"), underlined);
    cursor.insertText(QStringLiteral(" at the hall. "), plain);
    cursor.insertText(QStringLiteral("Please reply"), red);
    cursor.insertText(QStringLiteral(" by the end of the month so that we can plan the seating, "
                                     "the meals and the rooms for every member who comes."),
                      plain);
    return DocumentPageOp{letter, 0, QRectF(1, 1, 6.5, 4), 96};
}

// The sample page, then the letter's page.
void drawSamples(ReportSurface& surface) {
    ReportCanvas canvas(surface);
    drawSamplePage(canvas);
    canvas.newPage();
    surface.draw(sampleLetterPage());
    canvas.finish();
}

// The same pages painted on the printer's own PDF writer.
class PrinterPdfSurface : public ReportSurface {
  public:
    explicit PrinterPdfSurface(const QString& pdf) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(pdf);
    }
    bool begin(const ReportPaper& paper) override {
        printer_.setFullPage(true);
        printer_.setPageLayout(paper.pageLayout());
        if (!painter_.begin(&printer_)) return false;
        ops_.emplace(painter_, printer_.resolution());
        return true;
    }
    void newPage() override { printer_.newPage(); }
    void draw(const ReportOp& op) override { ops_->paint(op); }
    void end() override { painter_.end(); }
    void abort() override { painter_.end(); }
    QPointF unprintableMargins() const override { return {}; }
    double resolution() const override { return printer_.resolution(); }

  private:
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    std::optional<ReportOpPainter> ops_;
};

class PdfDocumentTest : public ::testing::Test {
  protected:
    // The sample pages through the program's own writer.
    QString ours() {
        const QString pdf = dir.filePath(QStringLiteral("ours.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        PrinterSurface surface(printer);
        drawSamples(surface);
        return pdf;
    }
    QString printers() {
        const QString pdf = dir.filePath(QStringLiteral("printer.pdf"));
        PrinterPdfSurface surface(pdf);
        drawSamples(surface);
        return pdf;
    }

    QTemporaryDir dir{QStringLiteral("/tmp/pdfkeep/XXXXXX")};
    bool keep = (dir.setAutoRemove(false), true);
};

TEST_F(PdfDocumentTest, WordsLieInTheBoxesOfThePrintersWriter) {
    const QString mine = ours();
    const QString theirs = printers();
    for (const auto& [page, count] : {std::pair{1, 27u}, std::pair{2, 39u}}) {
        const std::vector<Word> ours = words(mine, page);
        const std::vector<Word> printer = words(theirs, page);
        ASSERT_EQ(ours.size(), count) << "page " << page;
        ASSERT_EQ(ours.size(), printer.size()) << "page " << page;
        for (std::size_t i = 0; i < ours.size(); ++i) {
            EXPECT_EQ(ours[i].text, printer[i].text);
            for (int k : {0, 2})
                EXPECT_NEAR(ours[i].box[k], printer[i].box[k], 0.01)
                    << ours[i].text.toStdString() << ' ' << k;
            // Readers give a Type 3 font's words a line height of their own; the middle of the
            // line is the same.
            const bool type3 = ours[i].text == "Presorted" || ours[i].text == "First-Class";
            EXPECT_NEAR(ours[i].box[1] + ours[i].box[3], printer[i].box[1] + printer[i].box[3],
                        type3 ? 1.0 : 0.02)
                << ours[i].text.toStdString();
            if (!type3) {
                EXPECT_NEAR(ours[i].box[3] - ours[i].box[1], printer[i].box[3] - printer[i].box[1],
                            0.02)
                    << ours[i].text.toStdString();
            }
        }
    }
    // "Mrs." starts on the inch the canvas was sent to, a side bearing to the right.
    const std::vector<Word> first = words(mine, 1);
    EXPECT_EQ(first[0].text, "Mrs.");
    EXPECT_NEAR(first[0].box[0], 72.0, 1.0);
}

TEST_F(PdfDocumentTest, ThePageRendersAsThePrintersWriterRendersIt) {
    const QImage mine = rendered(ours(), dir.filePath("ours"));
    const QImage printer = rendered(printers(), dir.filePath("printer"));
    ASSERT_EQ(mine.size(), QSize(850, 1100));
    ASSERT_EQ(printer.size(), mine.size());
    long long dark = 0;
    long long differences = 0;
    // The Type 1 font's words are left out: a reader smooths the edges of a Type 3 font's
    // glyphs otherwise than those of the TrueType font the printer's writer makes of it.
    const QRect type3(490, 280, 170, 30);
    for (int y = 0; y < mine.height(); ++y)
        for (int x = 0; x < mine.width(); ++x) {
            if (type3.contains(x, y)) continue;
            const int a = qGray(mine.pixel(x, y));
            const int b = qGray(printer.pixel(x, y));
            dark += b < 128;
            differences += std::abs(a - b) > 64;
        }
    ASSERT_GT(dark, 5000);
    EXPECT_LT(differences, dark / 100) << differences << " of " << dark;
    // The shade inside the frame is 30 % grey; the stamp's transparent edge shows the paper.
    EXPECT_NEAR(qGray(mine.pixel(150, 450)), 178, 4);
    EXPECT_EQ(qGray(mine.pixel(601, 601)), 255);
    EXPECT_LT(qGray(mine.pixel(650, 650)), 128);
}

TEST_F(PdfDocumentTest, FontsAreEmbeddedAsSubsetsOrDrawnFromTheirOutlines) {
    const QString fonts = toolOutput(QStringLiteral("pdffonts"), {ours()});
    const QStringList lines = fonts.split('\n', Qt::SkipEmptyParts).mid(2);
    // Sans regular, bold and bold italic, a serif and its bold, the Type 1 font, and the font
    // the letter's star comes from.
    ASSERT_EQ(lines.size(), 7) << fonts.toStdString();
    int type3 = 0;
    for (const QString& line : lines) {
        static const QRegularExpression embedded(QStringLiteral(
            "^[A-Z]{6}\\+(Liberation|DejaVu)\\S+\\s+CID TrueType\\s+Identity-H\\s+yes yes yes"));
        static const QRegularExpression outlines(
            QStringLiteral("^\\[none\\]\\s+Type 3\\s+Custom\\s+yes no  yes"));
        type3 += line.contains(outlines);
        EXPECT_TRUE(line.contains(embedded) || line.contains(outlines)) << line.toStdString();
    }
    EXPECT_EQ(type3, 1);
}

// A subset keeps the glyphs asked for under their own numbers and drops the others, for fonts
// with TrueType outlines and with CFF outlines.
TEST(PdfFontSubset, KeepsTheGlyphsAskedForUnderTheirNumbers) {
    const struct {
        const char* file;
        bool cff;
    } cases[] = {{"/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", false},
                 {"/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf", true}};
    for (const auto& c : cases) {
        const QRawFont font(QString::fromLatin1(c.file), 12);
        ASSERT_TRUE(font.isValid()) << c.file;
        const QList<quint32> kept = font.glyphIndexesForString(QStringLiteral("Ravenpost"));
        const quint32 dropped = font.glyphIndexesForString(QStringLiteral("Z")).front();
        const FontProgram program = fontSubset(font, {kept.begin(), kept.end()});
        EXPECT_EQ(program.cff, c.cff) << c.file;
        EXPECT_EQ(program.unitsPerEm, c.cff ? 1000 : 2048) << c.file;
        EXPECT_TRUE(
            program.data.startsWith(c.cff ? QByteArray("OTTO") : QByteArray("\0\1\0\0", 4)));
        const QRawFont subset(program.data, 12);
        ASSERT_TRUE(subset.isValid()) << c.file;
        for (const quint32 glyph : kept)
            EXPECT_EQ(subset.pathForGlyph(glyph).boundingRect(),
                      font.pathForGlyph(glyph).boundingRect())
                << c.file << ' ' << glyph;
        EXPECT_TRUE(subset.pathForGlyph(dropped).isEmpty()) << c.file;
        EXPECT_LT(program.data.size(), QFile(QString::fromLatin1(c.file)).size() / 4) << c.file;
    }
}

// The font's data with its OS/2 table's embedding permissions (fsType) set to fsType.
QByteArray withEmbeddingPermissions(QByteArray font, quint16 fsType) {
    const auto word = [&](int at) {
        return (static_cast<unsigned char>(font[at]) << 8) |
               static_cast<unsigned char>(font[at + 1]);
    };
    for (int table = 0; table < word(4); ++table) {
        const int record = 12 + 16 * table;
        if (font.mid(record, 4) != "OS/2") continue;
        const int offset = (word(record + 8) << 16) | word(record + 10);
        font[offset + 8] = static_cast<char>(fsType >> 8);
        font[offset + 9] = static_cast<char>(fsType);
    }
    return font;
}

// Fonts whose outlines may go into the document as they are, and those drawn from their
// outlines: a Type 1 font, and fonts whose licence restricts embedding or allows bitmaps only.
TEST(PdfFonts, EmbedsOnlyOutlinesTheFontAllows) {
    QFile file(QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray sans = file.readAll();
    const struct {
        QRawFont font;
        bool embeddable;
    } cases[] = {
        {QRawFont(sans, 12), true},
        {QRawFont(withEmbeddingPermissions(sans, 0x0008), 12), true},   // editable
        {QRawFont(withEmbeddingPermissions(sans, 0x0004), 12), true},   // preview and print
        {QRawFont(withEmbeddingPermissions(sans, 0x0002), 12), false},  // restricted
        {QRawFont(withEmbeddingPermissions(sans, 0x0200), 12), false},  // bitmaps only
        {QRawFont(QStringLiteral("/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf"),
                  12),
         true},
        {QRawFont(QStringLiteral("/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.t1"), 12),
         false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.font.isValid());
        PdfFonts fonts;
        EXPECT_EQ(fonts.embeddable(fonts.fontOf(c.font)), c.embeddable)
            << &c - cases << ' ' << c.font.familyName().toStdString();
    }
}

}  // namespace
