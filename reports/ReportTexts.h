#pragma once
// The texts the list report composes from a record's fields: names, the city lines, title and
// organization, phone and fax. Each field loses its leading blanks before it is joined (the
// prefix of the full name excepted); fields arrive without trailing blanks.
#include <QString>

namespace xbase {
class Table;
}

namespace rp {

// The fields of one record the report shows, as read from the address file.
struct ReportFields {
    QString lname, fname, middle, prefix, title, org, street, city, state, zip, country, phone, fax,
        email, notes;

    // The character fields of the table's current record that the layout (1 to 4) shows;
    // the others stay empty. NOTES is read for every layout.
    static ReportFields read(const xbase::Table& table, int layout);
};

// Layouts 1 to 3: "LNAME, FNAME MIDDLE." (the period only after a middle initial).
QString reportName(const ReportFields& fields);
// Layout 4: "LNAME, PREFIX FNAME MIDDLE."; empty when LNAME is empty.
QString reportFullName(const ReportFields& fields);
// Layout 1: "CITY, STATE  ZIP ", each field with what follows it only when present.
QString reportCityLine(const ReportFields& fields);
// Layout 4: "CITY, STATE, ZIP".
QString reportCityStateZip(const ReportFields& fields);
// Layout 4: "TITLE, ORG" (the title only with an organization).
QString reportTitleAndOrg(const ReportFields& fields);
// Layout 4: "Ph: PHONE  Fax: FAX  ".
QString reportPhoneAndFax(const ReportFields& fields);

// The text without its leading blanks.
QString withoutLeadingBlanks(const QString& text);

}  // namespace rp
