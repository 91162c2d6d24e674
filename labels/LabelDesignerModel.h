#pragma once
// The working values of the label designer, apart from any window: a copy of the setup being
// edited with the text offset held in whole screen pixels at a given pixels-per-inch, and what
// the designer's buttons do to them. Offsets are read truncated to pixels and written back as
// pixels / PPI, so a saved offset is always a whole number of screen pixels.
#include <QPoint>
#include <QSize>
#include <QString>

#include "labels/LabelSetup.h"
#include "mailpiece/PostalBarcode.h"

namespace rp {

// The font of the label text.
struct LabelFont {
    QString name;
    int size = 0;  // points
    bool bold = false;
    bool italic = false;
    bool operator==(const LabelFont&) const = default;
};

// "Arial,10 pt., Bold, Italic": name, size, then the styles that apply.
QString labelFontInfo(const LabelFont& font);

// The characters per inch of a printer pitch font ("Courier 10CPI" is 10; digits after a
// decimal point are ignored), or 0 when the name holds no "CPI", no number before it, or a
// number below 2: such a font is drawn as an ordinary one.
int pitchOfFontName(const QString& name);

// The screen character width of a pitch font: truncate(ppi / (pitch - 1.5)); 0 for an
// ordinary font.
int pitchCharacterWidth(const QString& fontName, int ppi);

class LabelDesignerModel {
  public:
    static constexpr int kBarcodePictureWidth = 248;
    static constexpr int kBarcodePictureHeight = 12;
    static constexpr int kSmallestFont = 6;
    static constexpr int kBiggestFont = 36;
    // Labels narrower than this (inches) cannot carry a barcode.
    static constexpr float kBarcodeMinWidth = 3.0f;

    LabelDesignerModel(const LabelSetup& setup, int ppi);

    int ppi() const { return ppi_; }
    // The setup as it stands, offsets not yet written back (see saved()).
    const LabelSetup& setup() const { return setup_; }

    // round(width x PPI) by round(height x PPI).
    QSize labelSize() const;
    int x() const { return x_; }
    int y() const { return y_; }
    // The barcode picture's top-left corner: (X, Y - truncate(0.165 x PPI)).
    QPoint barcodePosition() const;
    // The lowest Y the up button reaches is above this + 2: truncate(0.205 x PPI) with the
    // barcode on, else 1.
    int topMargin() const;

    QString description() const { return setup_.description; }
    void setDescription(const QString& text) { setup_.description = text; }

    LabelFont font() const;
    void setFont(const LabelFont& font);
    QString fontInfo() const { return labelFontInfo(font()); }
    // truncate(size x PPI / 72) and truncate(size x PPI / 60).
    int characterHeight() const;
    int linePitch() const;
    // False (size unchanged) when the size is already at its bound; the caller beeps.
    bool smaller();
    bool bigger();

    void moveUp();
    void moveDown();
    // fast: the button is held past its first repeat.
    void moveLeft(bool fast);
    void moveRight(bool fast);
    void moveHome();

    bool barcode() const { return setup_.barcode; }
    bool barcodeAvailable() const { return setup_.labelWidth >= kBarcodeMinWidth; }
    // Switching on with Y at most the barcode picture's height moves the text below it.
    void setBarcode(bool on);
    // The postal barcode the preview pictures (POSTNET unless set).
    BarcodeSymbology symbology() const { return symbology_; }
    void setSymbology(BarcodeSymbology symbology) { symbology_ = symbology; }

    const AddressContents& contents() const { return setup_.contents; }
    bool trimText() const { return setup_.trimText; }
    void setContents(const AddressContents& contents, bool trimText);

    // Copies the stock members of chosen (label size, counts, margins, pitches, sheet size,
    // paper code, printer type and label type name); a stock too narrow for a barcode turns
    // the barcode off.
    void takeStock(const LabelSetup& chosen);

    // The description trimmed at both ends is empty: Save is refused.
    bool descriptionMissing() const;
    // The setup to store: description and font name cut to 50, offsets X / PPI and Y / PPI.
    LabelSetup saved() const;

  private:
    LabelSetup setup_;
    int ppi_;
    BarcodeSymbology symbology_ = BarcodeSymbology::Postnet;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace rp
