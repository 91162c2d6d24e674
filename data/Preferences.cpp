#include "data/Preferences.h"

#include <span>

#include "data/IniFile.h"

namespace rp {
namespace {

const QString kDate = QStringLiteral("Date");
const QString kAdding = QStringLiteral("Adding");
const QString kSharing = QStringLiteral("Sharing");
const QString kShareOpenFile = QStringLiteral("ShareOpenFile");
const QString kDefaultSeparator = QStringLiteral("/");
constexpr qsizetype kMaxTemplateLength = 20;

// The [Adding] switches and where each one lives in Preferences: those that fill in a new
// record, then those that carry fields over from the record before it.
struct Switch {
    const char* key;
    bool Preferences::*field;
};

constexpr std::array<Switch, 3> kFillSwitches = {{
    {"PlugDate", &Preferences::plugDate},
    {"PlugCityState", &Preferences::plugCityState},
    {"AutoDupCheck", &Preferences::autoDupCheck},
}};

constexpr std::array<Switch, 6> kCarrySwitches = {{
    {"CarryOrg", &Preferences::carryOrg},
    {"CarrySA1", &Preferences::carrySA1},
    {"CarryCity", &Preferences::carryCity},
    {"CarryState", &Preferences::carryState},
    {"CarryZip", &Preferences::carryZip},
    {"CarryCountry", &Preferences::carryCountry},
}};

void readSwitches(const IniFile& ini, std::span<const Switch> switches, Preferences& p) {
    for (const Switch& s : switches) p.*s.field = ini.readBool(kAdding, QString::fromLatin1(s.key));
}

void writeSwitches(IniFile& ini, std::span<const Switch> switches, const Preferences& p) {
    for (const Switch& s : switches) ini.writeBool(kAdding, QString::fromLatin1(s.key), p.*s.field);
}

}  // namespace

QString emptyDateTemplate(const QString& mask) {
    if (!mask.startsWith(QLatin1Char('!'))) return {};
    QString shape = mask.mid(1).section(QLatin1Char(';'), 0, 0).left(kMaxTemplateLength);
    for (QChar& c : shape)
        if (c == QLatin1Char('0') || c == QLatin1Char('9')) c = QLatin1Char(' ');
    return shape;
}

Preferences loadPreferences(const IniFile& ini) {
    Preferences p;
    // A separator stored empty would run the parts of a date together; it counts as missing.
    p.dateSeparator = ini.readString(kDate, QStringLiteral("DateSeparator"), kDefaultSeparator);
    if (p.dateSeparator.isEmpty()) p.dateSeparator = kDefaultSeparator;
    p.shortDateFmt =
        ini.readString(kDate, QStringLiteral("ShortDateFmt"), QStringLiteral("mm/dd/yyyy"));
    p.dateEditMask =
        ini.readString(kDate, QStringLiteral("DateEditMask"), QStringLiteral("!99/99/9999;1;_"));
    p.emptyDateTemplate = emptyDateTemplate(p.dateEditMask);
    readSwitches(ini, kFillSwitches, p);
    p.defaultCountry = ini.readString(kAdding, QStringLiteral("DefaultCountry"));
    readSwitches(ini, kCarrySwitches, p);
    p.shareOpenFile = ini.readBool(kSharing, kShareOpenFile);
    return p;
}

void savePreferences(IniFile& ini, const Preferences& p) {
    ini.writeString(kDate, QStringLiteral("DateSeparator"), p.dateSeparator);
    ini.writeString(kDate, QStringLiteral("ShortDateFmt"), p.shortDateFmt);
    ini.writeString(kDate, QStringLiteral("DateEditMask"), p.dateEditMask);
    writeSwitches(ini, kFillSwitches, p);
    ini.writeString(kAdding, QStringLiteral("DefaultCountry"), p.defaultCountry);
    writeSwitches(ini, kCarrySwitches, p);
    ini.writeBool(kSharing, kShareOpenFile, p.shareOpenFile);
}

const std::array<DateFormatEntry, 12>& dateFormatEntries() {
    static const std::array<DateFormatEntry, 12> entries = {{
        {"mm/dd/yy", "/", "mm/dd/yy", "!99/99/99;1;"},
        {"mm/dd/yyyy", "/", "mm/dd/yyyy", "!99/99/9999;1;_"},
        {"dd/mm/yy", "/", "dd/mm/yy", "!99/99/99;1;_"},
        {"dd/mm/yyyy", "/", "dd/mm/yyyy", "!99/99/9999;1;_"},
        {"dd.mm.yy", ".", "dd.mm.yy", "!99.99.99;1;_"},
        {"dd.mm.yyyy", ".", "dd.mm.yyyy", "!99.99.9999;1;_"},
        {"yy.mm.dd", ".", "yy.mm.dd", "!99.99.99;1;_"},
        {"yyyy.mm.dd", ".", "yyyy.mm.dd", "!9999.99.99;1;_"},
        {"yy/mm/dd", "/", "yy/mm/dd", "!99/99/99;1;_"},
        {"yyyy/mm/dd", "/", "yyyy/mm/dd", "!9999/99/99;1;_"},
        {"mm-dd-yy", "-", "mm-dd-yy", "!99-99-99;1;_"},
        {"mm-dd-yyyy", "-", "mm-dd-yyyy", "!99-99-9999;1;_"},
    }};
    return entries;
}

}  // namespace rp
