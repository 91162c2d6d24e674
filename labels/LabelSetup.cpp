#include "labels/LabelSetup.h"

#include <cmath>
#include <optional>
#include <string>

#include "data/FieldText.h"
#include "data/PendingRecord.h"
#include "data/SideFileValues.h"
#include "framework/Messages.h"
#include "labels/LabelFiles.h"
#include "mailpiece/AddressContentsFields.h"
#include "xbase/Table.h"

namespace rp {
namespace {

QString readText(const xbase::Table& table, const char* field, int bound) {
    return fromFieldBytes(table.text(field)).left(bound);
}

float readFloat(const xbase::Table& table, const char* field) {
    return static_cast<float>(table.number(field));
}

int readInt(const xbase::Table& table, const char* field) {
    return static_cast<int>(std::lround(table.number(field)));
}

bool readBool(const xbase::Table& table, const char* field) {
    return table.logical(field).value_or(false);
}

// The sheet and label measures and the paper, named alike in both side files.
void readStockGeometry(const xbase::Table& t, LabelSetup& s) {
    s.labelHeight = readFloat(t, "LBLHEIGHT");
    s.labelWidth = readFloat(t, "LBLWIDTH");
    s.across = readInt(t, "NBRACROSS");
    s.down = readInt(t, "NBRDOWN");
    s.topMargin = readFloat(t, "TOPMARG");
    s.leftMargin = readFloat(t, "LEFTMARG");
    s.horizontalPitch = readFloat(t, "HORIZPITCH");
    s.verticalPitch = readFloat(t, "VERTPITCH");
    s.sheetWidth = readFloat(t, "SHEETWIDTH");
    s.sheetDepth = readFloat(t, "SHEETDEPTH");
    s.paperSize = readText(t, "PAPERSIZE", kPaperCodeWidth);
}

}  // namespace

LabelSetup defaultLabelSetup() {
    LabelSetup s;
    s.description = QStringLiteral("Default Label Setup");
    s.printerType = kLaserPrinter;
    s.fontName = QStringLiteral("Arial");
    s.fontSize = 10;
    s.fontBold = false;
    s.fontItalic = false;
    s.xOffset = 0.25f;
    s.yOffset = 0.25f;
    s.barcode = false;
    s.contents.name = true;
    s.contents.street = true;
    s.contents.cityState = true;
    s.contents.zip = true;
    s.labelHeight = 1.0f;
    s.labelWidth = 2.625f;
    s.across = 3;
    s.down = 10;
    s.topMargin = 0.5f;
    s.leftMargin = 0.188f;
    s.horizontalPitch = 2.75f;
    s.verticalPitch = 1.0f;
    s.sheetWidth = 8.5f;
    s.sheetDepth = 11.0f;
    s.paperSize = QStringLiteral("LTR");
    s.trimText = true;
    s.labelTypeName = QStringLiteral("Avery 5160  Address,   1.00 x 2.63");
    return s;
}

LabelSetup readLabelSetup(const xbase::Table& t) {
    if (t.eof()) return defaultLabelSetup();
    LabelSetup s;
    s.description = readText(t, "DESCRIPT", kSetupDescriptionWidth);
    s.printerType = readText(t, "PRINTERTYP", kPrinterTypeWidth);
    s.fontName = readText(t, "FONTNAME", kFontNameWidth);
    s.fontSize = readInt(t, "FONTSIZE");
    s.fontBold = readBool(t, "FONTBOLD");
    s.fontItalic = readBool(t, "FONTITALIC");
    s.xOffset = readFloat(t, "XOFFSET");
    s.yOffset = readFloat(t, "YOFFSET");
    s.barcode = readBool(t, "BARCODE");
    s.contents = readAddressContents(t);
    readStockGeometry(t, s);
    s.trimText = readBool(t, "TRIMTEXT");
    s.labelTypeName = readText(t, "USERLABELN", kStockDescriptionWidth);
    return s;
}

bool writeLabelSetup(xbase::Table& t, const LabelSetup& s) {
    const PendingRecord change(t, PendingRecord::Target::CurrentRecord);
    // Texts first: a text the code page cannot hold stops the write before anything changes.
    struct TextValue {
        const char* field;
        const QString* value;
        int bound;
    };
    const TextValue texts[] = {{"DESCRIPT", &s.description, kSetupDescriptionWidth},
                               {"PRINTERTYP", &s.printerType, kPrinterTypeWidth},
                               {"FONTNAME", &s.fontName, kFontNameWidth},
                               {"PAPERSIZE", &s.paperSize, kPaperCodeWidth},
                               {"USERLABELN", &s.labelTypeName, kStockDescriptionWidth}};
    std::string bytes[std::size(texts)];
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        QString refused;
        const auto encoded = toFieldBytes(texts[i].value->left(texts[i].bound), &refused);
        if (!encoded) {
            showInformation(unstorableMessage(refused));
            return false;
        }
        bytes[i] = *encoded;
    }
    for (std::size_t i = 0; i < std::size(texts); ++i) t.setText(texts[i].field, bytes[i]);

    const auto setFloat = [&t](const char* field, float value) { setInches(t, field, value); };
    t.setNumber("FONTSIZE", s.fontSize);
    t.setLogical("FONTBOLD", s.fontBold);
    t.setLogical("FONTITALIC", s.fontItalic);
    setFloat("XOFFSET", s.xOffset);
    setFloat("YOFFSET", s.yOffset);
    t.setLogical("BARCODE", s.barcode);
    writeAddressContents(t, s.contents);
    setFloat("LBLHEIGHT", s.labelHeight);
    setFloat("LBLWIDTH", s.labelWidth);
    t.setNumber("NBRACROSS", s.across);
    t.setNumber("NBRDOWN", s.down);
    setFloat("TOPMARG", s.topMargin);
    setFloat("LEFTMARG", s.leftMargin);
    setFloat("HORIZPITCH", s.horizontalPitch);
    setFloat("VERTPITCH", s.verticalPitch);
    setFloat("SHEETWIDTH", s.sheetWidth);
    setFloat("SHEETDEPTH", s.sheetDepth);
    t.setLogical("TRIMTEXT", s.trimText);
    t.post();
    return true;
}

void takeLabelStock(const xbase::Table& t, LabelSetup& s) {
    readStockGeometry(t, s);
    s.printerType = readText(t, "PRINTER", kPrinterTypeWidth);
    s.labelTypeName = readText(t, "USERDESC", kStockDescriptionWidth);
}

}  // namespace rp
