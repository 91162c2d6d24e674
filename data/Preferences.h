#pragma once
// The user's choices for dates, for adding records and for sharing the open file, kept in the
// initialisation file's [Date], [Adding] and [Sharing] sections, and the date formats the
// program offers.
#include <QString>
#include <array>

namespace rp {

class IniFile;

struct Preferences {
    QString dateSeparator;
    QString shortDateFmt;
    QString dateEditMask;
    QString emptyDateTemplate;  // derived from dateEditMask, never stored
    bool plugDate = false;
    bool plugCityState = false;
    bool autoDupCheck = false;
    QString defaultCountry;
    bool carryOrg = false;
    bool carrySA1 = false;
    bool carryCity = false;
    bool carryState = false;
    bool carryZip = false;
    bool carryCountry = false;
    // The main window opens the address file shared, so that other users and programs can
    // work on it at the same time; off, it holds the file to itself.
    bool shareOpenFile = false;
};

// An edit mask "!99/99/9999;1;_" gives the date field's look when empty, "  /  /    ": the
// characters between "!" and the first ";" (at most 20) with every "0" and "9" a blank. A
// mask that does not begin with "!" gives an empty template.
QString emptyDateTemplate(const QString& mask);

// Missing keys take the program's defaults: "/", "mm/dd/yyyy", "!99/99/9999;1;_", every
// switch off (sharing too) and no country.
Preferences loadPreferences(const IniFile& ini);
// Writes the three [Date] keys, the ten [Adding] keys and the [Sharing] key.
void savePreferences(IniFile& ini, const Preferences& preferences);

// One of the date formats the user can choose, with the separator and edit mask that go
// with it.
struct DateFormatEntry {
    QString entry;
    QString separator;
    QString format;
    QString mask;
};

const std::array<DateFormatEntry, 12>& dateFormatEntries();

}  // namespace rp
