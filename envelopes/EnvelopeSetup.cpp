#include "envelopes/EnvelopeSetup.h"

#include <QCoreApplication>
#include <cmath>
#include <stdexcept>
#include <string>

#include "data/FieldText.h"
#include "data/ListedRecords.h"
#include "data/PendingRecord.h"
#include "data/SideFileValues.h"
#include "mailpiece/AddressContentsFields.h"
#include "xbase/Table.h"

namespace rp {

namespace {

// ---- Reading -----------------------------------------------------------------------------

QString readText(const xbase::Table& t, const char* field) {
    return fromFieldBytes(t.text(field));
}
bool readBool(const xbase::Table& t, const char* field) {
    return t.logical(field).value_or(false);
}
float readFloat(const xbase::Table& t, const char* field) {
    return static_cast<float>(t.number(field));
}
std::int32_t readInt(const xbase::Table& t, const char* field) {
    return static_cast<std::int32_t>(std::lround(t.number(field)));
}

// ---- Writing -----------------------------------------------------------------------------

void writeText(xbase::Table& t, const char* field, const QString& value) {
    QString refused;
    const std::optional<std::string> bytes = toFieldBytes(value, &refused);
    if (!bytes) throw std::runtime_error(unstorableMessage(refused).toStdString());
    t.setText(field, *bytes);
}
void writeInt(xbase::Table& t, const char* field, std::int32_t value) {
    t.setNumber(field, value);
}

}  // namespace

EnvelopeSetup defaultEnvelopeSetup() {
    EnvelopeSetup s;
    s.descript = "Default Envelope Setup";
    s.envName = "Envelope #10";
    s.envWidth = 9.5f;
    s.envHeight = 4.125f;
    s.useReturn = true;
    s.useMessage = false;
    s.retTop = 0.25f;
    s.retLeft = 0.25f;
    s.retFontName = "Arial";
    s.retFontSize = 8;
    s.retFontBold = false;
    s.retFontItalic = false;
    s.retLines = {BoundedText<40>("John Q Public"), BoundedText<40>("123 N West St"),
                  BoundedText<40>("LA, CA  90024"), BoundedText<40>(), BoundedText<40>()};
    s.messTop = s.envHeight - 1.0f;
    s.messLeft = 0.25f;
    s.messFontName = "Arial";
    s.messFontSize = 10;
    s.messFontBold = true;
    s.messFontItalic = true;
    s.messText = "Handle with Care";
    s.delTop = s.envHeight * 0.5f;
    s.delLeft = s.envWidth / 3;
    s.delFontName = "Arial";
    s.delFontSize = 10;
    s.delFontBold = true;
    s.delFontItalic = false;
    s.barcode = false;
    s.contents.name = true;
    s.contents.title = true;
    s.contents.company = true;
    s.contents.street = true;
    s.contents.cityState = true;
    s.contents.zip = true;
    s.contents.phone = false;
    s.contents.country = false;
    s.contents.zipPlacement = ZipPlacement::AfterState;
    s.contents.uppercase = false;
    s.orient = 1;
    s.facing = 1;
    s.position = 2;
    return s;
}

EnvelopeSetup readEnvelopeSetup(const xbase::Table& t) {
    if (!hasCurrentRecord(t)) return defaultEnvelopeSetup();
    EnvelopeSetup s;
    s.descript = readText(t, "DESCRIPT");
    s.envName = readText(t, "ENVNAME");
    s.useReturn = readBool(t, "USERETURN");
    s.useMessage = readBool(t, "USEMESSAGE");
    s.retTop = readFloat(t, "RETTOP");
    s.retLeft = readFloat(t, "RETLEFT");
    s.retFontName = readText(t, "RETFNAME");
    s.retFontSize = readInt(t, "RETFSIZE");
    s.retFontBold = readBool(t, "RETFBOLD");
    s.retFontItalic = readBool(t, "RETFITALIC");
    s.retLines[0] = readText(t, "RETLINE1");
    s.retLines[1] = readText(t, "RETLINE2");
    s.retLines[2] = readText(t, "RETLINE3");
    s.retLines[3] = readText(t, "RETLINE4");
    s.retLines[4] = readText(t, "RETLINE5");
    s.messTop = readFloat(t, "MESSTOP");
    s.messLeft = readFloat(t, "MESSLEFT");
    s.messFontName = readText(t, "MESSFNAME");
    s.messFontSize = readInt(t, "MESSFSIZE");
    s.messFontBold = readBool(t, "MESSFBOLD");
    s.messFontItalic = readBool(t, "MESSFITAL");
    s.messText = readText(t, "MESSTEXT");
    s.delTop = readFloat(t, "DELTOP");
    s.delLeft = readFloat(t, "DELLEFT");
    s.delFontName = readText(t, "DELFNAME");
    s.delFontSize = readInt(t, "DELFSIZE");
    s.delFontBold = readBool(t, "DELFBOLD");
    s.delFontItalic = readBool(t, "DELFITAL");
    s.barcode = readBool(t, "BARCODE");
    s.contents = readAddressContents(t);
    s.envWidth = readFloat(t, "ENVWIDTH");
    s.envHeight = readFloat(t, "ENVHEIGHT");
    s.orient = readInt(t, "ORIENT");
    s.facing = readInt(t, "FACING");
    s.position = readInt(t, "POSITION");
    return s;
}

void writeEnvelopeSetup(xbase::Table& t, const EnvelopeSetup& s) {
    const PendingRecord change(t, PendingRecord::Target::CurrentRecord);
    writeText(t, "DESCRIPT", s.descript);
    writeText(t, "ENVNAME", s.envName);
    t.setLogical("USERETURN", s.useReturn);
    t.setLogical("USEMESSAGE", s.useMessage);
    setInches(t, "RETTOP", s.retTop);
    setInches(t, "RETLEFT", s.retLeft);
    writeText(t, "RETFNAME", s.retFontName);
    writeInt(t, "RETFSIZE", s.retFontSize);
    t.setLogical("RETFBOLD", s.retFontBold);
    t.setLogical("RETFITALIC", s.retFontItalic);
    writeText(t, "RETLINE1", s.retLines[0]);
    writeText(t, "RETLINE2", s.retLines[1]);
    writeText(t, "RETLINE3", s.retLines[2]);
    writeText(t, "RETLINE4", s.retLines[3]);
    writeText(t, "RETLINE5", s.retLines[4]);
    setInches(t, "MESSTOP", s.messTop);
    setInches(t, "MESSLEFT", s.messLeft);
    writeText(t, "MESSFNAME", s.messFontName);
    writeInt(t, "MESSFSIZE", s.messFontSize);
    t.setLogical("MESSFBOLD", s.messFontBold);
    t.setLogical("MESSFITAL", s.messFontItalic);
    writeText(t, "MESSTEXT", s.messText);
    setInches(t, "DELTOP", s.delTop);
    setInches(t, "DELLEFT", s.delLeft);
    writeText(t, "DELFNAME", s.delFontName);
    writeInt(t, "DELFSIZE", s.delFontSize);
    t.setLogical("DELFBOLD", s.delFontBold);
    t.setLogical("DELFITAL", s.delFontItalic);
    t.setLogical("BARCODE", s.barcode);
    writeAddressContents(t, s.contents);
    setInches(t, "ENVWIDTH", s.envWidth);
    setInches(t, "ENVHEIGHT", s.envHeight);
    writeInt(t, "ORIENT", s.orient);
    writeInt(t, "FACING", s.facing);
    writeInt(t, "POSITION", s.position);
    t.post();
}

FeedMethod decodePosition(std::int32_t stored) {
    FeedMethod m;
    m.clockwise = stored > 9;
    // A position outside Left, Right and Center reads as Center, the default.
    const std::int32_t position = m.clockwise ? stored - 10 : stored;
    if (position >= 0 && position <= 2) m.position = static_cast<FeedPosition>(position);
    return m;
}

std::int32_t encodePosition(FeedMethod method) {
    return static_cast<std::int32_t>(method.position) + (method.clockwise ? 10 : 0);
}

QString positionName(FeedPosition position) {
    switch (position) {
        case FeedPosition::Left:
            return QCoreApplication::translate("EnvelopeSetup", "Left");
        case FeedPosition::Right:
            return QCoreApplication::translate("EnvelopeSetup", "Right");
        case FeedPosition::Center:
            return QCoreApplication::translate("EnvelopeSetup", "Center");
    }
    return {};
}

QString orientationName(std::int32_t orient) {
    return orient == 1 ? QCoreApplication::translate("EnvelopeSetup", "Landscape")
                       : QCoreApplication::translate("EnvelopeSetup", "Portrait");
}

QString facingName(std::int32_t facing) {
    return facing == 1 ? QCoreApplication::translate("EnvelopeSetup", "Down")
                       : QCoreApplication::translate("EnvelopeSetup", "Up");
}

}  // namespace rp
