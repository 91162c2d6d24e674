#include "labels/LabelDefinition.h"

#include <QCoreApplication>
#include <cmath>

#include "data/FieldText.h"
#include "data/PendingRecord.h"
#include "data/SideFileValues.h"
#include "framework/Messages.h"
#include "labels/LabelFiles.h"
#include "labels/LabelSetup.h"
#include "xbase/Table.h"

namespace rp {
namespace {

constexpr double kInchesPerMillimetre = 0.039370078740157480314;

float readFloat(const xbase::Table& t, const char* field) {
    return static_cast<float>(t.number(field));
}
int readInt(const xbase::Table& t, const char* field) {
    return static_cast<int>(std::lround(t.number(field)));
}

}  // namespace

QString validLabel(const LabelDefinition& d) {
    if (d.labelHeight < 0.3f)
        return QCoreApplication::translate("LabelDefinition",
                                           "Label Height must be at least .3 inches (or 7mm)");
    if (d.labelWidth < 0.5f)
        return QCoreApplication::translate("LabelDefinition",
                                           "Label Width must be at least .5 inch (or 13mm)");
    if (d.across > 1 && d.horizontalPitch < d.labelWidth)
        return QCoreApplication::translate("LabelDefinition",
                                           "Horizontal Pitch must be at least = Label Width");
    if (d.down > 1 && d.verticalPitch < d.labelHeight)
        return QCoreApplication::translate("LabelDefinition",
                                           "Vertical Pitch must be at least = Label Height");
    if (d.sheetWidth < 0.3f)
        return QCoreApplication::translate("LabelDefinition",
                                           "Page Width must be at least .3 inch");
    if (d.sheetDepth < 0.3f)
        return QCoreApplication::translate("LabelDefinition",
                                           "Page Height must be at least .3 inches");
    if (d.description.isEmpty())
        return QCoreApplication::translate("LabelDefinition", "You must provide a description");
    return {};
}

double inchesToMillimetres(double inches) {
    return inches * 25.4;
}

double millimetresToInches(double millimetres) {
    return millimetres * kInchesPerMillimetre;
}

float millimetresToStoredInches(double millimetres) {
    return roundTo3Decimals(static_cast<float>(millimetresToInches(millimetres)));
}

LabelDefinition readLabelDefinition(const xbase::Table& t) {
    LabelDefinition d;
    d.description = fromFieldBytes(t.text("USERDESC"));
    d.labelWidth = readFloat(t, "LBLWIDTH");
    d.labelHeight = readFloat(t, "LBLHEIGHT");
    d.horizontalPitch = readFloat(t, "HORIZPITCH");
    d.verticalPitch = readFloat(t, "VERTPITCH");
    d.across = readInt(t, "NBRACROSS");
    d.down = readInt(t, "NBRDOWN");
    d.leftMargin = readFloat(t, "LEFTMARG");
    d.topMargin = readFloat(t, "TOPMARG");
    d.paperSize = fromFieldBytes(t.text("PAPERSIZE"));
    d.sheetWidth = readFloat(t, "SHEETWIDTH");
    d.sheetDepth = readFloat(t, "SHEETDEPTH");
    d.printerType = fromFieldBytes(t.text("PRINTER"));
    return d;
}

bool writeLabelDefinition(xbase::Table& t, const LabelDefinition& d) {
    const PendingRecord change(t, PendingRecord::Target::CurrentRecord);
    QString refused;
    const auto description = toFieldBytes(d.description.left(kStockDescriptionWidth), &refused);
    if (!description) {
        showInformation(unstorableMessage(refused));
        return false;
    }
    const auto setFloat = [&t](const char* field, float value) { setInches(t, field, value); };
    t.setText("USERDESC", *description);
    setFloat("LBLHEIGHT", d.labelHeight);
    setFloat("LBLWIDTH", d.labelWidth);
    t.setNumber("NBRACROSS", d.across);
    t.setNumber("NBRDOWN", d.down);
    setFloat("TOPMARG", d.topMargin);
    setFloat("LEFTMARG", d.leftMargin);
    setFloat("HORIZPITCH", d.horizontalPitch);
    setFloat("VERTPITCH", d.verticalPitch);
    setFloat("SHEETWIDTH", d.sheetWidth);
    setFloat("SHEETDEPTH", d.sheetDepth);
    t.setText("PRINTER", d.printerType.left(kPrinterTypeWidth).toLatin1().toStdString());
    t.setText("PAPERSIZE", d.paperSize.left(kPaperCodeWidth).toLatin1().toStdString());
    t.post();
    return true;
}

bool appendLabelDefinition(xbase::Table& t, const LabelDefinition& d) {
    const PendingRecord added(t, PendingRecord::Target::NewRecord);
    t.setLogical("USERDEF", true);
    return writeLabelDefinition(t, d);
}

}  // namespace rp
