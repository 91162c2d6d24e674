#pragma once
// The working values of the envelope designer over a copy of one envelope setup: the envelope
// and item positions in screen pixels at the screen's pixels per inch and the zoom, the texts
// and fonts of the items, the address contents and the feed method. It has no window of its
// own; the design page draws from it and the dialog stores its controls into it.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "envelopes/EnvelopeSetup.h"
#include "envelopes/EnvelopeSizes.h"
#include "mailpiece/AddressBlock.h"
#include "mailpiece/PostalBarcode.h"

namespace rp {

enum class DesignItem { ReturnAddress = 0, Delivery = 1, Message = 2 };
inline constexpr int kDesignItemCount = 3;

// One item's font as the setup stores it.
struct DesignFont {
    QString name;
    int size = 0;  // points at 100 %
    bool bold = false;
    bool italic = false;
    bool operator==(const DesignFont&) const = default;
};

// Measures of text in one font: the advance of a line and the height of one line (the
// height of the letter "W").
struct TextMeasure {
    std::function<int(const QString&)> width;
    int lineHeight = 0;
};

inline constexpr char kDescriptionMissing[] = QT_TRANSLATE_NOOP(
    "EnvelopeDesignModel", "Please enter a description for this Envelope Setup record");

// The room an item without text keeps.
inline constexpr int kEmptyItemLines = 3;
inline constexpr int kEmptyItemLetters = 12;

// The barcode picture at 100 %.
inline constexpr int kBarcodeWidth = 248;
inline constexpr int kBarcodeHeight = 12;

class EnvelopeDesignModel {
  public:
    // Loads the working values from setup; ppi is the screen's logical pixels per inch. The
    // zoom starts at 100 % and the positions are remembered from the setup.
    EnvelopeDesignModel(const EnvelopeSetup& setup, int ppi);

    int ppi() const { return ppi_; }
    int zoom() const { return zoom_; }
    // Sets the zoom to 100, 75 or 50 and puts every item at its remembered position at that
    // zoom.
    void setZoom(int percent);

    // The envelope at 100 %, and the white area at the current zoom.
    QSize envelopePixels() const { return {widthPx_, heightPx_}; }
    QSize areaSize() const;

    // The item's top-left corner on screen at the current zoom (relative to the white area).
    QPoint itemPosition(DesignItem item) const { return screen_[index(item)]; }
    // What the item covers on screen at a position when its text block is `block` in size:
    // the block, and for the delivery address the barcode picture above it when that is on.
    QRect itemExtent(DesignItem item, QPoint screenPosition, QSize block) const;
    // The position nearest to screenPosition at which the item, its text block `block` in
    // size at the current zoom, lies wholly on the envelope. An item larger than the envelope
    // keeps to its top or left edge.
    QPoint positionInside(DesignItem item, QPoint screenPosition, QSize block) const;
    // Moves the item towards screenPosition as far as it stays on the envelope.
    void moveItem(DesignItem item, QPoint screenPosition, QSize block);
    // Remembered (100 %) position of the item.
    QPoint rememberedPosition(DesignItem item) const { return remembered_[index(item)]; }
    // remembered = truncate(screen position / (zoom / 100)) for all three items.
    void rememberPositions();

    // A value in pixels at 100 % in inches, and inches in pixels (truncated).
    double toInches(int pixels) const { return static_cast<double>(pixels) / ppi_; }
    int toPixels(double inches) const { return static_cast<int>(inches * ppi_); }

    // Point size of a font size at the current zoom: truncate(size * zoom / 100).
    int pointSizeAtZoom(int size) const { return size * zoom_ / 100; }

    // The item's size from its lines: the widest line by the number of lines times one line.
    // An item with no text keeps room to be seen, clicked and given text: kEmptyItemLines
    // lines high and as wide as kEmptyItemLetters letters "W".
    static QSize blockSize(const QStringList& lines, const TextMeasure& measure);
    // True when no line has anything but blanks: the item shows no text.
    static bool isEmptyText(const QStringList& lines);

    // The barcode picture's rectangle on screen: its left edge at the delivery item's left,
    // truncate(ppi * 0.165 * zoom / 100) pixels above its top, 248 x 12 scaled by the zoom.
    QRect barcodeRect() const;
    int barcodeLift() const;

    // Texts and fonts of the items.
    const QStringList& returnLines() const { return returnLines_; }
    void setReturnLines(const QStringList& lines) { returnLines_ = lines; }
    const QString& messageText() const { return messageText_; }
    void setMessageText(const QString& text) { messageText_ = text; }
    const DesignFont& font(DesignItem item) const { return fonts_[index(item)]; }
    void setFont(DesignItem item, const DesignFont& font) { fonts_[index(item)] = font; }
    // The delivery lines of an address record with the working contents.
    QStringList deliveryLines(const AddressValues& values) const;

    bool useReturn() const { return useReturn_; }
    void setUseReturn(bool on) { useReturn_ = on; }
    bool useMessage() const { return useMessage_; }
    void setUseMessage(bool on) { useMessage_ = on; }
    bool barcode() const { return barcode_; }
    void setBarcode(bool on) { barcode_ = on; }
    // The postal barcode the barcode item pictures (POSTNET unless set).
    BarcodeSymbology symbology() const { return symbology_; }
    void setSymbology(BarcodeSymbology symbology) { symbology_ = symbology; }

    // The address contents; a change is stored into the working setup alone.
    const AddressContents& contents() const { return setup_.contents; }
    void setContents(const AddressContents& contents) { setup_.contents = contents; }

    // Feed method.
    FeedPosition feedPosition() const { return feed_.position; }
    void setFeedPosition(FeedPosition position) { feed_.position = position; }
    bool clockwise() const { return feed_.clockwise; }
    void setClockwise(bool on) { feed_.clockwise = on; }
    std::int32_t orientation() const { return orient_; }
    void setOrientation(std::int32_t orient) { orient_ = orient; }
    std::int32_t facing() const { return facing_; }
    void setFacing(std::int32_t facing) { facing_ = facing; }

    const QString& envelopeName() const { return setup_.envName; }
    // "Choose or Define  Envelope" with an OK result: a size of another name replaces the
    // envelope; when its size in pixels differs, the items are placed anew at the current
    // zoom and remembered. True when the name changed.
    bool chooseEnvelope(const EnvelopeSize& size);
    // The items at their places for a new envelope size, at the current zoom.
    void placeItemsAnew();

    // Save: false for a description that is blank after trimming (the designer then tells
    // kDescriptionMissing and stays open); otherwise every working value is stored into the
    // working setup.
    static bool descriptionAccepted(const QString& description);
    bool save(const QString& description);
    // The working setup: what the designer was given, with the stored values.
    const EnvelopeSetup& setup() const { return setup_; }

  private:
    static int index(DesignItem item) { return static_cast<int>(item); }

    EnvelopeSetup setup_;
    BarcodeSymbology symbology_ = BarcodeSymbology::Postnet;
    int ppi_;
    int zoom_ = 100;
    int widthPx_ = 0, heightPx_ = 0;
    std::array<QPoint, kDesignItemCount> remembered_{};
    std::array<QPoint, kDesignItemCount> screen_{};
    QStringList returnLines_;
    QString messageText_;
    std::array<DesignFont, kDesignItemCount> fonts_{};
    bool useReturn_ = false, useMessage_ = false, barcode_ = false;
    FeedMethod feed_;
    std::int32_t orient_ = 0, facing_ = 0;
};

// Where the envelope symbol stands in the feed picture: 2 pixels from the page's left edge
// (Left), 2 pixels from its right edge (Right) or centred across, and centred down.
QRect feedSymbolRect(QSize page, QSize symbol, FeedPosition position);
// The symbol's size: upright (Portrait) or turned (Landscape).
QSize feedSymbolSize(QSize upright, std::int32_t orient);

}  // namespace rp
