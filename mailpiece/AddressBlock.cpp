#include "mailpiece/AddressBlock.h"

#include "data/RecordText.h"

namespace rp {
namespace {

// s without its leading spaces.
QString leading(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' ')) ++i;
    return s.mid(i);
}

// A piece of a line: the value without leading spaces and one space after it; nothing for a
// blank value.
QString piece(const QString& s) {
    const QString value = leading(s);
    return value.isEmpty() ? value : value + QLatin1Char(' ');
}

// s without leading and trailing spaces.
QString trimmed(const QString& s) {
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' ')) --end;
    return leading(s.left(end));
}

void add(QStringList& lines, const QString& line) {
    if (!line.isEmpty()) lines.append(line);
}

void addCityLine(QStringList& lines, const AddressValues& v, const AddressContents& c) {
    const bool zipAfterState = c.zip && c.zipPlacement == ZipPlacement::AfterState;
    const bool zipBeforeCity = c.zip && c.zipPlacement == ZipPlacement::BeforeCity;
    if (!c.cityState) {
        if (zipAfterState || zipBeforeCity) add(lines, leading(v.zip));
    } else if (zipAfterState) {
        const QString line = piece(v.city) + QLatin1Char(' ') + piece(v.state) + leading(v.zip);
        if (!trimmed(line).isEmpty()) lines.append(line);
    } else if (zipBeforeCity) {
        add(lines, piece(v.zip) + piece(v.city) + piece(v.state));
    } else {
        add(lines, piece(v.city) + leading(v.state));
    }
}

void addCountryLine(QStringList& lines, const AddressValues& v, const AddressContents& c) {
    const bool zipAfterCountry = c.zip && c.zipPlacement == ZipPlacement::AfterCountry;
    const bool zipBeforeCountry = c.zip && c.zipPlacement == ZipPlacement::BeforeCountry;
    if (!c.country) {
        if (zipAfterCountry || zipBeforeCountry) add(lines, leading(v.zip));
    } else if (zipAfterCountry) {
        add(lines, piece(v.country) + leading(v.zip));
    } else if (zipBeforeCountry) {
        add(lines, piece(v.zip) + leading(v.country));
    } else {
        add(lines, leading(v.country));
    }
}

}  // namespace

QString nameLine(const AddressValues& v) {
    const QString middle = trimmed(v.middle).isEmpty() ? v.middle : v.middle + QLatin1Char('.');
    return piece(v.prefix) + piece(v.first) + piece(middle) + piece(v.last);
}

AddressValues readAddressValues(const xbase::Table& table) {
    return {fieldText(table, "PREFIX"), fieldText(table, "FNAME"),   fieldText(table, "MIDDLE"),
            fieldText(table, "LNAME"),  fieldText(table, "TITLE"),   fieldText(table, "ORG"),
            fieldText(table, "STREET"), fieldText(table, "CITY"),    fieldText(table, "STATE"),
            fieldText(table, "ZIP"),    fieldText(table, "COUNTRY"), fieldText(table, "PHONE")};
}

void composeAddressBlock(QStringList& lines, const AddressValues& values,
                         const AddressContents& contents) {
    lines.clear();
    if (contents.name) add(lines, nameLine(values));
    if (contents.title) add(lines, values.title);
    if (contents.company) add(lines, values.org);
    if (contents.street) add(lines, values.street);
    addCityLine(lines, values, contents);
    addCountryLine(lines, values, contents);
    if (contents.phone) add(lines, values.phone);
    if (contents.uppercase)
        for (QString& line : lines) line = line.toUpper();
}

void composeAddressBlock(QStringList& lines, const xbase::Table& table,
                         const AddressContents& contents) {
    composeAddressBlock(lines, readAddressValues(table), contents);
}

}  // namespace rp
