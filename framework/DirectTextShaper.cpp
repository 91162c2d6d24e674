#include "framework/DirectTextShaper.h"

#include <hb-ot.h>
#include <hb.h>

#include <array>
#include <map>
#include <vector>

namespace rp {
namespace {

// Longer texts are split into several runs by the layout.
constexpr qsizetype kMaxLength = 1000;
constexpr quint32 kUnknownGlyph = 0xFFFFFFFF;
constexpr hb_position_t kUnknownAdvance = INT32_MIN;

// The ways the layout may turn the font's size and advances into 26.6 fixed-point numbers; the
// probe tells which one this Qt uses for a font.
constexpr int kRoundedScale = 1;     // the scale rounded rather than cut to 1/64
constexpr int kRoundedAdvances = 2;  // every advance rounded to whole device units
constexpr int kDesignAdvances = 4;   // unhinted advances
constexpr int kVariants = 8;

// A character the layout puts in the same run as its neighbours and shapes with the font's
// own glyph: Latin or common, left to right or neutral, no mark, control or separator.
bool takenCharacter(QChar c) {
    if (c.isSurrogate() || c == QChar::ObjectReplacementCharacter || c == QChar::Tabulation)
        return false;
    switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
    }
    if (c.script() != QChar::Script_Latin && c.script() != QChar::Script_Common) return false;
    switch (c.direction()) {
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirES:
        case QChar::DirET:
        case QChar::DirCS:
        case QChar::DirON:
        case QChar::DirWS:
            return true;
        default:
            return false;
    }
}

hb_position_t toFixed(qreal value, bool rounded) {
    return static_cast<hb_position_t>(rounded ? qRound(value * 64) : static_cast<int>(value * 64));
}

}  // namespace

// The font as HarfBuzz sees it: its tables read through the raw font, glyph numbers and
// advances asked of Qt's font engine, and one HarfBuzz font for each way of cutting the scale.
struct DirectTextShaper::Font {
    explicit Font(const QRawFont& raw, qreal pointSize);
    ~Font();

    static hb_blob_t* referenceTable(hb_face_t*, hb_tag_t tag, void* data);
    static hb_bool_t nominalGlyph(hb_font_t*, void* data, hb_codepoint_t unicode,
                                  hb_codepoint_t* glyph, void*);
    static hb_position_t advance(hb_font_t* font, void* data, hb_codepoint_t glyph, void*);

    quint32 glyphOf(char16_t c);
    hb_position_t advanceOf(hb_codepoint_t glyph, bool design);

    QRawFont raw;
    std::map<hb_tag_t, QByteArray> tables;
    std::vector<quint32> glyphs = std::vector<quint32>(0x10000, kUnknownGlyph);
    std::array<std::vector<hb_position_t>, 2> advances;  // hinted, design
    hb_face_t* face = nullptr;
    std::array<hb_font_t*, 2> parents{};  // cut scale, rounded scale
    std::array<hb_font_t*, 4> fonts{};    // by kRoundedScale | kDesignAdvances >> 1
    hb_buffer_t* buffer = nullptr;
    hb_font_funcs_t* funcs = nullptr;
    // What each HarfBuzz font is given as its data: this font and which advances it takes.
    struct Use {
        Font* font;
        bool design;
    };
    std::array<Use, 2> uses{Use{this, false}, Use{this, true}};
};

DirectTextShaper::Font::Font(const QRawFont& rawFont, qreal pointSize) : raw(rawFont) {
    face = hb_face_create_for_tables(&Font::referenceTable, this, nullptr);
    funcs = hb_font_funcs_create();
    hb_font_funcs_set_nominal_glyph_func(funcs, &Font::nominalGlyph, nullptr, nullptr);
    hb_font_funcs_set_glyph_h_advance_func(funcs, &Font::advance, nullptr, nullptr);
    hb_font_funcs_make_immutable(funcs);
    const qreal pixels = raw.pixelSize();
    for (int rounded = 0; rounded < 2; ++rounded) {
        hb_font_t* parent = hb_font_create(face);
        const hb_position_t scale = toFixed(pixels, rounded != 0);
        hb_font_set_scale(parent, scale, -scale);
        hb_font_set_ppem(parent, static_cast<unsigned>(pixels), static_cast<unsigned>(pixels));
        hb_font_set_ptem(parent, static_cast<float>(pointSize));
        parents[rounded] = parent;
        for (int design = 0; design < 2; ++design) {
            hb_font_t* font = hb_font_create_sub_font(parent);
            hb_font_set_funcs(font, funcs, &uses[design], nullptr);
            fonts[rounded | design << 1] = font;
        }
    }
    buffer = hb_buffer_create();
}

DirectTextShaper::Font::~Font() {
    hb_buffer_destroy(buffer);
    for (hb_font_t* font : fonts) hb_font_destroy(font);
    for (hb_font_t* parent : parents) hb_font_destroy(parent);
    hb_font_funcs_destroy(funcs);
    hb_face_destroy(face);
}

hb_blob_t* DirectTextShaper::Font::referenceTable(hb_face_t*, hb_tag_t tag, void* data) {
    auto* font = static_cast<Font*>(data);
    auto it = font->tables.find(tag);
    if (it == font->tables.end()) {
        const char name[4] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag)};
        it = font->tables.emplace(tag, font->raw.fontTable(name)).first;
    }
    if (it->second.isEmpty()) return nullptr;
    return hb_blob_create(it->second.constData(), static_cast<unsigned>(it->second.size()),
                          HB_MEMORY_MODE_READONLY, nullptr, nullptr);
}

quint32 DirectTextShaper::Font::glyphOf(char16_t c) {
    quint32& glyph = glyphs[c];
    if (glyph == kUnknownGlyph) {
        const QChar character(c);
        int count = 1;
        if (!raw.glyphIndexesForChars(&character, 1, &glyph, &count) || count != 1) glyph = 0;
    }
    return glyph;
}

hb_position_t DirectTextShaper::Font::advanceOf(hb_codepoint_t glyph, bool design) {
    std::vector<hb_position_t>& known = advances[design ? 1 : 0];
    if (glyph >= known.size()) known.resize(glyph + 1, kUnknownAdvance);
    if (known[glyph] == kUnknownAdvance) {
        const quint32 id = glyph;
        QPointF advance;
        raw.advancesForGlyphIndexes(
            &id, &advance, 1, design ? QRawFont::UseDesignMetrics : QRawFont::SeparateAdvances);
        known[glyph] = toFixed(advance.x(), true);
    }
    return known[glyph];
}

hb_bool_t DirectTextShaper::Font::nominalGlyph(hb_font_t*, void* data, hb_codepoint_t unicode,
                                               hb_codepoint_t* glyph, void*) {
    Font* font = static_cast<const Use*>(data)->font;
    *glyph = unicode < 0x10000 ? font->glyphOf(static_cast<char16_t>(unicode)) : 0;
    return *glyph != 0;
}

hb_position_t DirectTextShaper::Font::advance(hb_font_t*, void* data, hb_codepoint_t glyph, void*) {
    const auto* use = static_cast<const Use*>(data);
    return use->font->advanceOf(glyph, use->design);
}

DirectTextShaper::DirectTextShaper(const QFont& font) : raw_(QRawFont::fromFont(font)) {
    // Fonts without tables (Type 1 among them) are shaped by other means in Qt.
    if (raw_.isValid() && !raw_.fontTable("head").isEmpty())
        font_ = std::make_unique<Font>(raw_, font.pointSizeF());
}

DirectTextShaper::~DirectTextShaper() = default;

void DirectTextShaper::calibrate(const QString& probe, const std::optional<ShapedLine>& laidOut) {
    variant_ = -1;
    if (!font_ || !laidOut || laidOut->glyphs.rawFont() != raw_) return;
    for (int variant = 0; variant < kVariants; ++variant) {
        const std::optional<ShapedLine> line = shapeAs(probe, variant);
        if (line && line->width == laidOut->width &&
            line->glyphs.glyphIndexes() == laidOut->glyphs.glyphIndexes() &&
            line->glyphs.positions() == laidOut->glyphs.positions()) {
            variant_ = variant;
            return;
        }
    }
}

std::optional<ShapedLine> DirectTextShaper::shape(const QString& text) const {
    if (!usable()) return std::nullopt;
    return shapeAs(text, variant_);
}

std::optional<ShapedLine> DirectTextShaper::shapeAs(const QString& text, int variant) const {
    if (!font_ || text.isEmpty() || text.size() > kMaxLength) return std::nullopt;
    bool latin = false;
    for (const QChar c : text) {
        if (!takenCharacter(c) || font_->glyphOf(c.unicode()) == 0) return std::nullopt;
        latin = latin || c.script() == QChar::Script_Latin;
    }
    hb_buffer_t* buffer = font_->buffer;
    hb_buffer_clear_contents(buffer);
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.utf16()),
                        static_cast<int>(text.size()), 0, static_cast<int>(text.size()));
    hb_segment_properties_t properties = HB_SEGMENT_PROPERTIES_DEFAULT;
    properties.direction = HB_DIRECTION_LTR;
    properties.script = latin ? HB_SCRIPT_LATIN : HB_SCRIPT_COMMON;
    properties.language = hb_language_get_default();
    hb_buffer_set_segment_properties(buffer, &properties);
    static const hb_feature_t kerning{HB_TAG('k', 'e', 'r', 'n'), 1, HB_FEATURE_GLOBAL_START,
                                      HB_FEATURE_GLOBAL_END};
    static const char* const shapers[] = {"graphite2", "ot", "fallback", nullptr};
    hb_font_t* font = font_->fonts[(variant & kRoundedScale) | (variant & kDesignAdvances) >> 1];
    if (!hb_shape_full(font, buffer, &kerning, 1, shapers)) return std::nullopt;

    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* places = hb_buffer_get_glyph_positions(buffer, nullptr);
    QList<quint32> ids(count);
    QList<QPointF> positions(count);
    hb_position_t x = 0;
    for (unsigned i = 0; i < count; ++i) {
        ids[i] = infos[i].codepoint;
        positions[i] = QPointF((x + places[i].x_offset) / 64.0, places[i].y_offset / 64.0);
        x += (variant & kRoundedAdvances) ? (places[i].x_advance + 32) & -64 : places[i].x_advance;
    }
    ShapedLine line;
    line.glyphs.setRawFont(raw_);
    line.glyphs.setGlyphIndexes(ids);
    line.glyphs.setPositions(positions);
    line.width = x / 64.0;
    return line;
}

}  // namespace rp
