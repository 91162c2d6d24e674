#include "reports/ReportTexts.h"

#include <QCoreApplication>

#include "data/RecordText.h"
#include "xbase/Table.h"

namespace rp {

ReportFields ReportFields::read(const xbase::Table& table, int layout) {
    ReportFields f;
    f.lname = fieldText(table, "LNAME");
    f.fname = fieldText(table, "FNAME");
    f.middle = fieldText(table, "MIDDLE");
    f.phone = fieldText(table, "PHONE");
    f.notes = fieldText(table, "NOTES");
    if (layout == 1 || layout == 4) {
        f.street = fieldText(table, "STREET");
        f.city = fieldText(table, "CITY");
        f.state = fieldText(table, "STATE");
        f.zip = fieldText(table, "ZIP");
    }
    if (layout != 1) {
        f.org = fieldText(table, "ORG");
        f.fax = fieldText(table, "FAX");
    }
    if (layout == 4) {
        f.prefix = fieldText(table, "PREFIX");
        f.title = fieldText(table, "TITLE");
        f.country = fieldText(table, "COUNTRY");
        f.email = fieldText(table, "EMAIL");
    }
    return f;
}

QString withoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ') ++start;
    return start == 0 ? text : text.mid(start);
}

QString reportName(const ReportFields& f) {
    const QString middle = withoutLeadingBlanks(f.middle);
    QString name = withoutLeadingBlanks(f.lname) + QStringLiteral(", ") +
                   withoutLeadingBlanks(f.fname) + u' ' + middle;
    if (!middle.isEmpty()) name += u'.';
    return name;
}

QString reportFullName(const ReportFields& f) {
    const QString last = withoutLeadingBlanks(f.lname);
    if (last.isEmpty()) return {};
    const QString first = withoutLeadingBlanks(f.fname);
    const QString middle = withoutLeadingBlanks(f.middle);
    QString name = last + QStringLiteral(", ");
    // The prefix keeps its leading blanks.
    if (!f.prefix.isEmpty() || !first.isEmpty()) name += f.prefix + u' ';
    name += first + u' ';
    if (!middle.isEmpty()) name += middle + u'.';
    return name;
}

QString reportCityLine(const ReportFields& f) {
    const QString city = withoutLeadingBlanks(f.city);
    const QString state = withoutLeadingBlanks(f.state);
    const QString zip = withoutLeadingBlanks(f.zip);
    QString line;
    if (!city.isEmpty()) line += city + QStringLiteral(", ");
    if (!state.isEmpty()) line += state + QStringLiteral("  ");
    if (!zip.isEmpty()) line += zip + u' ';
    return line;
}

QString reportCityStateZip(const ReportFields& f) {
    const QString state = withoutLeadingBlanks(f.state);
    const QString zip = withoutLeadingBlanks(f.zip);
    QString line = withoutLeadingBlanks(f.city);
    if (!state.isEmpty()) line += QStringLiteral(", ") + state;
    if (!zip.isEmpty()) line += QStringLiteral(", ") + zip;
    return line;
}

QString reportTitleAndOrg(const ReportFields& f) {
    const QString title = withoutLeadingBlanks(f.title);
    const QString org = withoutLeadingBlanks(f.org);
    if (!org.isEmpty() && !title.isEmpty()) return title + QStringLiteral(", ") + org;
    return org;
}

QString reportPhoneAndFax(const ReportFields& f) {
    const QString phone = withoutLeadingBlanks(f.phone);
    const QString fax = withoutLeadingBlanks(f.fax);
    QString line;
    if (!phone.isEmpty()) line += QCoreApplication::translate("ListReport", "Ph: %1  ").arg(phone);
    if (!fax.isEmpty()) line += QCoreApplication::translate("ListReport", "Fax: %1  ").arg(fax);
    return line;
}

}  // namespace rp
