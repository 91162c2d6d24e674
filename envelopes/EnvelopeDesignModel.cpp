#include "envelopes/EnvelopeDesignModel.h"

#include <algorithm>

namespace rp {
namespace {

int pixelsOf(float inches, int ppi) {
    return static_cast<int>(static_cast<double>(inches) * ppi);
}

QPoint atZoom(QPoint remembered, int zoom) {
    return {remembered.x() * zoom / 100, remembered.y() * zoom / 100};
}

DesignFont fontOf(const QString& name, std::int32_t size, bool bold, bool italic) {
    return {name, static_cast<int>(size), bold, italic};
}

}  // namespace

EnvelopeDesignModel::EnvelopeDesignModel(const EnvelopeSetup& setup, int ppi)
    : setup_(setup), ppi_(ppi > 0 ? ppi : 96) {
    widthPx_ = pixelsOf(setup.envWidth, ppi_);
    heightPx_ = pixelsOf(setup.envHeight, ppi_);
    remembered_[index(DesignItem::ReturnAddress)] = {pixelsOf(setup.retLeft, ppi_),
                                                     pixelsOf(setup.retTop, ppi_)};
    remembered_[index(DesignItem::Delivery)] = {pixelsOf(setup.delLeft, ppi_),
                                                pixelsOf(setup.delTop, ppi_)};
    remembered_[index(DesignItem::Message)] = {pixelsOf(setup.messLeft, ppi_),
                                               pixelsOf(setup.messTop, ppi_)};
    screen_ = remembered_;
    for (const auto& line : setup.retLines)
        if (!line.text().trimmed().isEmpty()) returnLines_.append(line.text());
    messageText_ = setup.messText;
    fonts_[index(DesignItem::ReturnAddress)] =
        fontOf(setup.retFontName, setup.retFontSize, setup.retFontBold, setup.retFontItalic);
    fonts_[index(DesignItem::Delivery)] =
        fontOf(setup.delFontName, setup.delFontSize, setup.delFontBold, setup.delFontItalic);
    fonts_[index(DesignItem::Message)] =
        fontOf(setup.messFontName, setup.messFontSize, setup.messFontBold, setup.messFontItalic);
    useReturn_ = setup.useReturn;
    useMessage_ = setup.useMessage;
    barcode_ = setup.barcode;
    feed_ = decodePosition(setup.position);
    orient_ = setup.orient;
    facing_ = setup.facing;
}

void EnvelopeDesignModel::setZoom(int percent) {
    zoom_ = percent;
    for (int i = 0; i < kDesignItemCount; ++i) screen_[i] = atZoom(remembered_[i], zoom_);
}

QSize EnvelopeDesignModel::areaSize() const {
    return {widthPx_ * zoom_ / 100, heightPx_ * zoom_ / 100};
}

QRect EnvelopeDesignModel::itemExtent(DesignItem item, QPoint screenPosition, QSize block) const {
    const QRect text(screenPosition, block);
    if (item != DesignItem::Delivery || !barcode_) return text;
    const QRect bars(screenPosition.x(), screenPosition.y() - barcodeLift(),
                     kBarcodeWidth * zoom_ / 100, kBarcodeHeight * zoom_ / 100);
    return text.united(bars);
}

QPoint EnvelopeDesignModel::positionInside(DesignItem item, QPoint screenPosition,
                                           QSize block) const {
    const QRect extent = itemExtent(item, screenPosition, block);
    const QSize area = areaSize();
    // Along each axis the extent's near edge goes no further than the envelope's far edge
    // allows, and no further out than the envelope's near edge.
    const auto inside = [](int start, int length, int room) {
        return std::max(0, std::min(start, room - length));
    };
    const QPoint shift(inside(extent.left(), extent.width(), area.width()) - extent.left(),
                       inside(extent.top(), extent.height(), area.height()) - extent.top());
    return screenPosition + shift;
}

void EnvelopeDesignModel::moveItem(DesignItem item, QPoint screenPosition, QSize block) {
    screen_[index(item)] = positionInside(item, screenPosition, block);
}

void EnvelopeDesignModel::rememberPositions() {
    // screen / (zoom / 100) with zoom 100, 75 or 50 is exact in floating point, so the
    // integer quotient (truncated toward zero like the floating one) is the same value.
    for (int i = 0; i < kDesignItemCount; ++i)
        remembered_[i] = {screen_[i].x() * 100 / zoom_, screen_[i].y() * 100 / zoom_};
}

bool EnvelopeDesignModel::isEmptyText(const QStringList& lines) {
    return std::all_of(lines.begin(), lines.end(),
                       [](const QString& line) { return line.trimmed().isEmpty(); });
}

QSize EnvelopeDesignModel::blockSize(const QStringList& lines, const TextMeasure& measure) {
    if (isEmptyText(lines))
        return {kEmptyItemLetters * measure.width(QStringLiteral("W")),
                kEmptyItemLines * measure.lineHeight};
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, measure.width(line));
    return {widest, static_cast<int>(lines.size()) * measure.lineHeight};
}

int EnvelopeDesignModel::barcodeLift() const {
    return static_cast<int>(ppi_ * 0.165 * zoom_ / 100);
}

QRect EnvelopeDesignModel::barcodeRect() const {
    const QPoint delivery = itemPosition(DesignItem::Delivery);
    const int height = kBarcodeHeight * zoom_ / 100;
    return {delivery.x(), delivery.y() - barcodeLift(), kBarcodeWidth * zoom_ / 100, height};
}

QStringList EnvelopeDesignModel::deliveryLines(const AddressValues& values) const {
    QStringList lines;
    composeAddressBlock(lines, values, setup_.contents);
    return lines;
}

bool EnvelopeDesignModel::chooseEnvelope(const EnvelopeSize& size) {
    if (size.name == setup_.envName.text()) return false;
    setup_.envName = size.name;
    setup_.envWidth = static_cast<float>(size.width);
    setup_.envHeight = static_cast<float>(size.height);
    const int width = pixelsOf(setup_.envWidth, ppi_);
    const int height = pixelsOf(setup_.envHeight, ppi_);
    const bool resized = width != widthPx_ || height != heightPx_;
    widthPx_ = width;
    heightPx_ = height;
    if (resized) placeItemsAnew();
    return true;
}

void EnvelopeDesignModel::placeItemsAnew() {
    const int quarter = static_cast<int>(0.25 * ppi_);
    const int half = static_cast<int>(0.5 * ppi_);
    const int corner = quarter * zoom_ / 100;
    screen_[index(DesignItem::ReturnAddress)] = {corner, corner};
    screen_[index(DesignItem::Message)] = {corner, (heightPx_ - half) * zoom_ / 100};
    screen_[index(DesignItem::Delivery)] = {
        static_cast<int>(static_cast<double>(widthPx_) / 3 * zoom_ / 100),
        static_cast<int>(zoom_ / 100.0 * (heightPx_ / 2))};
    rememberPositions();
}

bool EnvelopeDesignModel::descriptionAccepted(const QString& description) {
    return !description.trimmed().isEmpty();
}

bool EnvelopeDesignModel::save(const QString& description) {
    if (!descriptionAccepted(description)) return false;
    EnvelopeSetup& s = setup_;
    s.descript = description;
    s.envWidth = static_cast<float>(toInches(widthPx_));
    s.envHeight = static_cast<float>(toInches(heightPx_));
    s.useReturn = useReturn_;
    s.useMessage = useMessage_;
    const QPoint ret = rememberedPosition(DesignItem::ReturnAddress);
    const QPoint mess = rememberedPosition(DesignItem::Message);
    const QPoint del = rememberedPosition(DesignItem::Delivery);
    s.retTop = static_cast<float>(toInches(ret.y()));
    s.retLeft = static_cast<float>(toInches(ret.x()));
    s.messTop = static_cast<float>(toInches(mess.y()));
    s.messLeft = static_cast<float>(toInches(mess.x()));
    s.delTop = static_cast<float>(toInches(del.y()));
    s.delLeft = static_cast<float>(toInches(del.x()));
    const DesignFont& rf = font(DesignItem::ReturnAddress);
    s.retFontName = rf.name;
    s.retFontSize = rf.size;
    s.retFontBold = rf.bold;
    s.retFontItalic = rf.italic;
    const DesignFont& df = font(DesignItem::Delivery);
    s.delFontName = df.name;
    s.delFontSize = df.size;
    s.delFontBold = df.bold;
    s.delFontItalic = df.italic;
    const DesignFont& mf = font(DesignItem::Message);
    s.messFontName = mf.name;
    s.messFontSize = mf.size;
    s.messFontBold = mf.bold;
    s.messFontItalic = mf.italic;
    for (int i = 0; i < static_cast<int>(s.retLines.size()); ++i)
        s.retLines[i] = i < returnLines_.size() ? returnLines_[i] : QString();
    s.messText = messageText_;
    s.barcode = barcode_;
    s.orient = orient_;
    s.facing = facing_;
    s.position = encodePosition(feed_);
    return true;
}

QRect feedSymbolRect(QSize page, QSize symbol, FeedPosition position) {
    int left = (page.width() - symbol.width()) / 2;
    if (position == FeedPosition::Left) left = 2;
    if (position == FeedPosition::Right) left = page.width() - 2 - symbol.width();
    return {left, (page.height() - symbol.height()) / 2, symbol.width(), symbol.height()};
}

QSize feedSymbolSize(QSize upright, std::int32_t orient) {
    return orient == 1 ? upright.transposed() : upright;
}

}  // namespace rp
