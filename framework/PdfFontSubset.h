#pragma once
// A font program to embed in a PDF: the font's tables as the shaping used them, cut down by
// HarfBuzz to the glyphs given, every glyph keeping its number.
#include <QByteArray>
#include <QRawFont>
#include <vector>

namespace rp {

struct FontProgram {
    QByteArray data;   // an OpenType font; empty when the font's outlines cannot be read
    bool cff = false;  // outlines in a CFF table rather than TrueType glyf
    int unitsPerEm = 1000;
    int box[4] = {0, 0, 0, 0};  // the font's bounding box in font units: left, bottom, right, top
    double italicAngle = 0;
};

FontProgram fontSubset(const QRawFont& font, const std::vector<quint32>& glyphs);

}  // namespace rp
