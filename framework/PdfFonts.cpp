#include "framework/PdfFonts.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "framework/PdfFile.h"
#include "framework/PdfFontSubset.h"

namespace rp {
namespace {

QByteArray decimal(double value) {
    return QByteArray::number(std::round(value * 1000) / 1000, 'f', 3)
        .replace(QByteArrayLiteral(".000"), "");
}

QByteArray hex4(quint32 value) {
    return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
}

// The name of the font in the PDF: a subset tag of six capitals made of the font's number,
// then the font's names without blanks or characters names cannot hold.
QByteArray fontName(int number, const QRawFont& font) {
    QByteArray tag(6, 'A');
    for (int i = 5, n = number; i >= 0; --i, n /= 26) tag[i] = static_cast<char>('A' + n % 26);
    QByteArray name;
    for (const QChar c : font.familyName() + font.styleName())
        if (c.unicode() > 32 && c.unicode() < 127 &&
            !QByteArrayLiteral("()<>[]{}/%#").contains(static_cast<char>(c.unicode())))
            name.append(static_cast<char>(c.unicode()));
    return tag + '+' + (name.isEmpty() ? QByteArrayLiteral("Font") : name);
}

// Consecutive glyphs share one array: "5 [600 600] 9 [250]".
QByteArray widthTable(const std::vector<float>& widths) {
    QByteArray out = "[";
    for (std::size_t glyph = 0; glyph < widths.size(); ++glyph) {
        if (widths[glyph] < 0) continue;
        out += QByteArray::number(static_cast<qulonglong>(glyph)) + " [";
        for (; glyph < widths.size() && widths[glyph] >= 0; ++glyph)
            out += decimal(widths[glyph]) + ' ';
        out.chop(1);
        out += "] ";
    }
    out += ']';
    return out;
}

// Glyph codes of digits hexadecimal digits each and the characters they stand for.
QByteArray characterMap(const std::vector<std::pair<quint32, char16_t>>& known, int digits) {
    const auto code = [&](quint32 value) { return hex4(value).right(digits); };
    QByteArray out =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo <</Registry (Adobe) /Ordering (UCS) /Supplement 0>> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n1 begincodespacerange\n<" +
        code(0) + "> <" + code(0xFFFF) + ">\nendcodespacerange\n";
    // At most 100 entries a block.
    for (std::size_t first = 0; first < known.size(); first += 100) {
        const std::size_t end = std::min(known.size(), first + 100);
        out += QByteArray::number(static_cast<qulonglong>(end - first)) + " beginbfchar\n";
        for (std::size_t i = first; i < end; ++i)
            out += '<' + code(known[i].first) + "> <" + hex4(known[i].second) + ">\n";
        out += "endbfchar\n";
    }
    out += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return out;
}

// A glyph's outline as a Type 3 glyph description in thousandths of the size, y upward.
QByteArray outlineDescription(const QRawFont& font, quint32 glyph, double width) {
    const double scale = 1000.0 / font.pixelSize();
    const QPainterPath path = font.pathForGlyph(glyph);
    const QRectF box = path.boundingRect();
    QByteArray out = decimal(width) + " 0 " + decimal(box.left() * scale) + ' ' +
                     decimal(-box.bottom() * scale) + ' ' + decimal(box.right() * scale) + ' ' +
                     decimal(-box.top() * scale) + " d1\n";
    const auto point = [&](QPointF p) {
        out += decimal(p.x() * scale) + ' ' + decimal(-p.y() * scale) + ' ';
    };
    for (int e = 0; e < path.elementCount(); ++e) {
        const QPainterPath::Element element = path.elementAt(e);
        point(element);
        if (element.isMoveTo()) {
            out += "m\n";
        } else if (element.isLineTo()) {
            out += "l\n";
        } else {
            point(path.elementAt(++e));
            point(path.elementAt(++e));
            out += "c\n";
        }
    }
    if (!path.isEmpty()) out += "f\n";
    return out;
}

// Whether the font's outlines can go into a PDF as they are: TrueType or CFF outlines, and a
// licence that allows embedding them (the OS/2 table's fsType: neither "restricted" nor
// "bitmaps only"). Other fonts are drawn from their outlines, as Qt's PDF writer draws them.
bool mayEmbed(const QRawFont& font) {
    const bool outlines = !font.fontTable("glyf").isEmpty() || !font.fontTable("CFF ").isEmpty();
    if (!outlines || font.fontTable("head").isEmpty()) return false;
    const QByteArray os2 = font.fontTable("OS/2");
    if (os2.size() < 10) return true;
    const int fsType =
        (static_cast<unsigned char>(os2[8]) << 8) | static_cast<unsigned char>(os2[9]);
    constexpr int kRestricted = 0x0002;
    constexpr int kBitmapsOnly = 0x0200;
    return (fsType & 0x000F) != kRestricted && (fsType & kBitmapsOnly) == 0;
}

}  // namespace

int PdfFonts::fontOf(const QRawFont& font) {
    if (last_ >= 0 && fonts_[static_cast<std::size_t>(last_)].raw == font) return last_;
    // One embedded font serves every size of it.
    const auto same = std::find_if(fonts_.begin(), fonts_.end(), [&](const Font& f) {
        return f.raw.familyName() == font.familyName() && f.raw.styleName() == font.styleName() &&
               f.raw.weight() == font.weight() && f.raw.style() == font.style();
    });
    if (same == fonts_.end()) {
        fonts_.push_back(Font{font, mayEmbed(font), {}, {}, {}, {}});
        last_ = static_cast<int>(fonts_.size()) - 1;
    } else {
        last_ = static_cast<int>(same - fonts_.begin());
        same->raw = font;  // the size asked for now, for the widths of its new glyphs
    }
    return last_;
}

double PdfFonts::measureWidth(int font, quint32 glyph) {
    Font& f = fonts_[static_cast<std::size_t>(font)];
    if (glyph >= f.widths.size()) f.widths.resize(glyph + 1, -1.0F);
    float& width = f.widths[glyph];
    if (width < 0) {
        QPointF advance;
        f.raw.advancesForGlyphIndexes(&glyph, &advance, 1, QRawFont::UseDesignMetrics);
        width = static_cast<float>(std::max(0.0, advance.x() * 1000.0 / f.raw.pixelSize()));
    }
    return width;
}

void PdfFonts::addCharacter(int font, quint32 glyph, QChar text) {
    std::vector<char16_t>& characters = fonts_[static_cast<std::size_t>(font)].characters;
    if (glyph >= characters.size()) characters.resize(glyph + 1, 0);
    if (characters[glyph] == 0) characters[glyph] = text.unicode();
}

QByteArray PdfFonts::write(PdfFile& file) {
    QByteArray entries;
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        const QByteArray name = "/F" + QByteArray::number(static_cast<qulonglong>(i + 1));
        if (!fonts_[i].embeddable) {
            for (std::size_t first = 0; first < fonts_[i].outlined.size(); first += kOutlineCodes)
                entries += name + '.' +
                           QByteArray::number(static_cast<qulonglong>(first / kOutlineCodes)) +
                           ' ' + QByteArray::number(writeOutlineFont(file, fonts_[i], first)) +
                           " 0 R";
            continue;
        }
        const int object = file.reserve();
        writeFont(file, static_cast<int>(i), fonts_[i], object);
        entries += name + ' ' + QByteArray::number(object) + " 0 R";
    }
    return entries;
}

void PdfFonts::writeFont(PdfFile& file, int index, const Font& font, int object) {
    std::vector<quint32> glyphs;
    for (std::size_t g = 0; g < font.widths.size(); ++g)
        if (font.widths[g] >= 0) glyphs.push_back(static_cast<quint32>(g));
    const FontProgram program = fontSubset(font.raw, glyphs);
    const QByteArray name = '/' + fontName(index, font.raw);
    const double toThousandths = 1000.0 / font.raw.pixelSize();
    const double perUnit = 1000.0 / program.unitsPerEm;

    const int descendant = file.reserve();
    const int descriptor = file.reserve();
    const int map = file.reserve();
    file.writeObject(object, "<</Type/Font/Subtype/Type0/BaseFont" + name +
                                 "/Encoding/Identity-H/DescendantFonts[" +
                                 QByteArray::number(descendant) + " 0 R]/ToUnicode " +
                                 QByteArray::number(map) + " 0 R>>");
    file.writeObject(
        descendant,
        "<</Type/Font/Subtype/" + QByteArray(program.cff ? "CIDFontType0" : "CIDFontType2") +
            "/BaseFont" + name +
            "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>"
            "/FontDescriptor " +
            QByteArray::number(descriptor) + " 0 R/DW 0/W " + widthTable(font.widths) +
            (program.cff ? QByteArray() : QByteArrayLiteral("/CIDToGIDMap/Identity")) + ">>");
    QByteArray description =
        "<</Type/FontDescriptor/FontName" + name + "/Flags " +
        QByteArray(font.raw.style() == QFont::StyleNormal ? "4" : "68") + "/FontBBox[" +
        decimal(program.box[0] * perUnit) + ' ' + decimal(program.box[1] * perUnit) + ' ' +
        decimal(program.box[2] * perUnit) + ' ' + decimal(program.box[3] * perUnit) +
        "]/ItalicAngle " + decimal(program.italicAngle) + "/Ascent " +
        decimal(font.raw.ascent() * toThousandths) + "/Descent " +
        decimal(-font.raw.descent() * toThousandths) + "/CapHeight " +
        decimal(font.raw.capHeight() * toThousandths) + "/StemV 80";
    if (!program.data.isEmpty()) {
        const int fontFile = file.reserve();
        description +=
            (program.cff ? "/FontFile3 " : "/FontFile2 ") + QByteArray::number(fontFile) + " 0 R";
        file.writeStream(fontFile, program.cff ? "/Subtype/OpenType" : "", program.data);
    }
    file.writeObject(descriptor, description + ">>");
    std::vector<std::pair<quint32, char16_t>> known;
    for (std::size_t glyph = 0; glyph < font.characters.size(); ++glyph)
        if (font.characters[glyph] != 0)
            known.emplace_back(static_cast<quint32>(glyph), font.characters[glyph]);
    file.writeStream(map, {}, characterMap(known, 4));
}

}  // namespace rp

namespace rp {

std::pair<int, int> PdfFonts::outlineCode(int font, quint32 glyph) {
    Font& f = fonts_[static_cast<std::size_t>(font)];
    if (glyph >= f.codes.size()) f.codes.resize(glyph + 1, 0);
    int& place = f.codes[glyph];
    if (place == 0) {
        f.outlined.push_back(glyph);
        place = static_cast<int>(f.outlined.size());
    }
    const int index = place - 1;
    return {index / static_cast<int>(kOutlineCodes), index % static_cast<int>(kOutlineCodes) + 1};
}

int PdfFonts::writeOutlineFont(PdfFile& file, const Font& font, std::size_t first) {
    const std::size_t end = std::min(font.outlined.size(), first + kOutlineCodes);
    QByteArray procedures;
    QByteArray names;
    QByteArray widths;
    std::vector<std::pair<quint32, char16_t>> known;
    for (std::size_t i = first; i < end; ++i) {
        const quint32 glyph = font.outlined[i];
        const auto code = static_cast<quint32>(i - first + 1);
        const double width = std::max(0.0F, font.widths[glyph]);
        const int object = file.reserve();
        file.writeStream(object, {}, outlineDescription(font.raw, glyph, width));
        procedures += "/g" + QByteArray::number(glyph) + ' ' + QByteArray::number(object) + " 0 R";
        names += "/g" + QByteArray::number(glyph);
        widths += decimal(width) + ' ';
        if (glyph < font.characters.size() && font.characters[glyph] != 0)
            known.emplace_back(code, font.characters[glyph]);
    }
    const int map = file.reserve();
    file.writeStream(map, {}, characterMap(known, 2));
    // The font's ascent and descent tell readers the height of its lines of text.
    const double toThousandths = 1000.0 / font.raw.pixelSize();
    const QByteArray box = "[0 " + decimal(-font.raw.descent() * toThousandths) + " 1000 " +
                           decimal(font.raw.ascent() * toThousandths) + "]";
    const int object = file.reserve();
    file.writeObject(object, "<</Type/Font/Subtype/Type3/FontBBox" + box +
                                 "/FontMatrix[0.001 0 0 0.001 0 0]/CharProcs<<" + procedures +
                                 ">>/Encoding<</Type/Encoding/Differences[1" + names +
                                 "]>>/FirstChar 1/LastChar " +
                                 QByteArray::number(static_cast<qulonglong>(end - first)) +
                                 "/Widths[" + widths + "]/Resources<<>>/ToUnicode " +
                                 QByteArray::number(map) + " 0 R>>");
    return object;
}

}  // namespace rp
