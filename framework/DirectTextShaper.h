#pragma once
// One line of plain text shaped straight through HarfBuzz, the way Qt's text layout shapes it
// (the same shaper, the font engine's own glyph numbers and advances, the same scale), without
// building a layout: most of the time of a label run went to the layout around the shaping.
//
// Only texts whose layout is a single run of one font are taken: Latin and common characters
// the font holds, left to right, with no marks, controls or tabs. Everything else is left to
// QTextLayout. A font is only used here after a probe text shaped both ways came out the same,
// glyph for glyph and position for position.
#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <memory>
#include <optional>

namespace rp {

// Glyphs of one line with their positions (baseline at y 0) and its width, in the font's
// device units.
struct ShapedLine {
    QGlyphRun glyphs;
    double width = 0;
};

class DirectTextShaper {
  public:
    // font must carry the resolution of the device it is measured on.
    explicit DirectTextShaper(const QFont& font);
    ~DirectTextShaper();
    DirectTextShaper(const DirectTextShaper&) = delete;
    DirectTextShaper& operator=(const DirectTextShaper&) = delete;

    // Compares the shaping here with the layout's on probe, laid out as one line (no glyph run
    // when the layout gave more or less than one); the shaper is usable from then on when the
    // two agree under one of the ways Qt may round the font's scale and advances.
    void calibrate(const QString& probe, const std::optional<ShapedLine>& laidOut);
    bool usable() const { return font_ != nullptr && variant_ >= 0; }

    // The text shaped as the layout would shape it, or nothing when it is not a text taken
    // here (or the shaper is not usable).
    std::optional<ShapedLine> shape(const QString& text) const;

  private:
    struct Font;
    std::optional<ShapedLine> shapeAs(const QString& text, int variant) const;

    QRawFont raw_;
    std::unique_ptr<Font> font_;
    int variant_ = -1;
};

}  // namespace rp
