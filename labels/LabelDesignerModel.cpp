#include "labels/LabelDesignerModel.h"

#include <QCoreApplication>
#include <cmath>

namespace rp {
namespace {

constexpr int kDescriptionLength = 50;
constexpr int kFontNameLength = 50;

int truncated(double value) {
    return static_cast<int>(value);
}

}  // namespace

QString labelFontInfo(const LabelFont& font) {
    // By style: plain, italic, bold, bold italic.
    static const char* const kInfo[] = {
        QT_TRANSLATE_NOOP("LabelDesignerModel", "%1,%2 pt."),
        QT_TRANSLATE_NOOP("LabelDesignerModel", "%1,%2 pt., Italic"),
        QT_TRANSLATE_NOOP("LabelDesignerModel", "%1,%2 pt., Bold"),
        QT_TRANSLATE_NOOP("LabelDesignerModel", "%1,%2 pt., Bold, Italic")};
    return QCoreApplication::translate("LabelDesignerModel",
                                       kInfo[(font.bold ? 2 : 0) + (font.italic ? 1 : 0)])
        .arg(font.name, QString::number(font.size));
}

int pitchOfFontName(const QString& name) {
    const int at = name.indexOf(QStringLiteral("CPI"), 0, Qt::CaseInsensitive);
    if (at < 0) return 0;
    int end = at;
    while (end > 0 && name[end - 1] == ' ') --end;
    int start = end;
    while (start > 0 && name[start - 1].isDigit()) --start;
    // "16.67CPI": the digits found are the fraction; the whole number stands before the point.
    if (start > 1 && start < end && name[start - 1] == '.' && name[start - 2].isDigit()) {
        end = start - 1;
        start = end;
        while (start > 0 && name[start - 1].isDigit()) --start;
    }
    if (start == end) return 0;
    const int pitch = name.mid(start, end - start).toInt();
    return pitch >= 2 ? pitch : 0;
}

int pitchCharacterWidth(const QString& fontName, int ppi) {
    const int pitch = pitchOfFontName(fontName);
    return pitch == 0 ? 0 : truncated(ppi / (pitch - 1.5));
}

LabelDesignerModel::LabelDesignerModel(const LabelSetup& setup, int ppi)
    : setup_(setup),
      ppi_(ppi),
      x_(truncated(double(setup.xOffset) * ppi)),
      y_(truncated(double(setup.yOffset) * ppi)) {
    if (!barcodeAvailable()) setup_.barcode = false;
}

QSize LabelDesignerModel::labelSize() const {
    return {static_cast<int>(std::lround(double(setup_.labelWidth) * ppi_)),
            static_cast<int>(std::lround(double(setup_.labelHeight) * ppi_))};
}

QPoint LabelDesignerModel::barcodePosition() const {
    return {x_, y_ - truncated(0.165 * ppi_)};
}

int LabelDesignerModel::topMargin() const {
    return setup_.barcode ? truncated(0.205 * ppi_) : 1;
}

LabelFont LabelDesignerModel::font() const {
    return {setup_.fontName, setup_.fontSize, setup_.fontBold, setup_.fontItalic};
}

void LabelDesignerModel::setFont(const LabelFont& font) {
    setup_.fontName = font.name;
    setup_.fontSize = font.size;
    setup_.fontBold = font.bold;
    setup_.fontItalic = font.italic;
}

int LabelDesignerModel::characterHeight() const {
    return truncated(double(setup_.fontSize) * ppi_ / 72);
}

int LabelDesignerModel::linePitch() const {
    return truncated(double(setup_.fontSize) * ppi_ / 60);
}

bool LabelDesignerModel::smaller() {
    if (setup_.fontSize <= kSmallestFont) return false;
    --setup_.fontSize;
    return true;
}

bool LabelDesignerModel::bigger() {
    if (setup_.fontSize >= kBiggestFont) return false;
    ++setup_.fontSize;
    return true;
}

void LabelDesignerModel::moveUp() {
    if (y_ > topMargin() + 2) y_ -= 2;
}

void LabelDesignerModel::moveDown() {
    y_ += 2;
}

void LabelDesignerModel::moveLeft(bool fast) {
    const int step = fast ? 4 : 1;
    if (x_ - step >= 1) x_ -= step;
}

void LabelDesignerModel::moveRight(bool fast) {
    x_ += fast ? 4 : 1;
}

void LabelDesignerModel::moveHome() {
    x_ = 5;
    y_ = setup_.barcode ? truncated(0.205 * ppi_) + 2 : 7;
}

void LabelDesignerModel::setBarcode(bool on) {
    if (on && !barcodeAvailable()) on = false;
    setup_.barcode = on;
    if (on && y_ <= kBarcodePictureHeight) y_ = truncated(0.205 * ppi_);
}

void LabelDesignerModel::setContents(const AddressContents& contents, bool trimText) {
    setup_.contents = contents;
    setup_.trimText = trimText;
}

void LabelDesignerModel::takeStock(const LabelSetup& chosen) {
    setup_.labelHeight = chosen.labelHeight;
    setup_.labelWidth = chosen.labelWidth;
    setup_.across = chosen.across;
    setup_.down = chosen.down;
    setup_.topMargin = chosen.topMargin;
    setup_.leftMargin = chosen.leftMargin;
    setup_.horizontalPitch = chosen.horizontalPitch;
    setup_.verticalPitch = chosen.verticalPitch;
    setup_.sheetWidth = chosen.sheetWidth;
    setup_.sheetDepth = chosen.sheetDepth;
    setup_.paperSize = chosen.paperSize.left(5);
    setup_.printerType = chosen.printerType.left(2);
    setup_.labelTypeName = chosen.labelTypeName.left(60);
    if (!barcodeAvailable()) setup_.barcode = false;
}

bool LabelDesignerModel::descriptionMissing() const {
    return setup_.description.trimmed().isEmpty();
}

LabelSetup LabelDesignerModel::saved() const {
    LabelSetup out = setup_;
    out.description = setup_.description.left(kDescriptionLength);
    out.fontName = setup_.fontName.left(kFontNameLength);
    out.xOffset = static_cast<float>(double(x_) / ppi_);
    out.yOffset = static_cast<float>(double(y_) / ppi_);
    return out;
}

}  // namespace rp
