#pragma once
// The fonts of a PDF the program writes itself. Each font text was shaped with is embedded once
// as a subset that keeps the font's own glyph numbers, so that a page names its glyphs by the
// numbers the shaping gave. A font whose outlines cannot be embedded (a Type 1 font, or one
// whose licence forbids it) becomes Type 3 fonts of up to 255 glyphs each, drawn from the
// outlines the font gives. The font records
// the width of every glyph used, for the page descriptions and the font's width table, and the
// character each glyph stands for, so that the text can be searched and copied.
#include <QByteArray>
#include <QRawFont>
#include <QString>
#include <utility>
#include <vector>

namespace rp {

class PdfFile;

class PdfFonts {
  public:
    // The font's number among the document's fonts (an embedded font's resource name is /F and
    // the number).
    int fontOf(const QRawFont& font);
    // Whether the font's outlines can be embedded: TrueType or CFF outlines that the font's
    // licence lets a document carry.
    bool embeddable(int font) const { return fonts_[static_cast<std::size_t>(font)].embeddable; }
    // For a font that cannot be embedded: the Type 3 font that holds the glyph, numbered from 0,
    // and the glyph's one-byte code in it. Its resource name is /F, the font's number, a dot
    // and the Type 3 font's number.
    std::pair<int, int> outlineCode(int font, quint32 glyph);
    // The glyph's advance in thousandths of the font size; the glyph is embedded.
    double width(int font, quint32 glyph) {
        const std::vector<float>& widths = fonts_[static_cast<std::size_t>(font)].widths;
        return glyph < widths.size() && widths[glyph] >= 0 ? widths[glyph]
                                                           : measureWidth(font, glyph);
    }
    // The glyph stands for text (the first text given for a glyph is kept).
    void mapGlyph(int font, quint32 glyph, QChar text) {
        const std::vector<char16_t>& characters = fonts_[static_cast<std::size_t>(font)].characters;
        if (glyph >= characters.size() || characters[glyph] == 0) addCharacter(font, glyph, text);
    }

    // Writes every font with its subset or outlines, width table and character map; returns the
    // entries of the page resources' font dictionary.
    QByteArray write(PdfFile& file);

  private:
    struct Font {
        QRawFont raw;
        bool embeddable = false;
        std::vector<float> widths;         // by glyph number; below zero while not used
        std::vector<char16_t> characters;  // by glyph number; 0 while none is known
        std::vector<quint32> outlined;     // the glyphs of Type 3 fonts in the order of their codes
        std::vector<int> codes;            // by glyph number: its place in outlined + 1, or 0
    };
    double measureWidth(int font, quint32 glyph);
    void addCharacter(int font, quint32 glyph, QChar text);
    void writeFont(PdfFile& file, int index, const Font& font, int object);
    // The Type 3 font of outlined glyphs from first; returns its object.
    int writeOutlineFont(PdfFile& file, const Font& font, std::size_t first);

    static constexpr std::size_t kOutlineCodes = 255;  // codes 1 to 255 of a Type 3 font

    std::vector<Font> fonts_;
    int last_ = -1;  // the font asked for last: text comes in long runs of one font
};

}  // namespace rp
