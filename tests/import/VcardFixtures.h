#pragma once
// The vCard files under fixtures/, written for these tests, and the address field values each
// card of them gives (only the fields that are not empty), record after record.
#include <QString>
#include <map>
#include <vector>

namespace rp {

using FieldValues = std::map<QString, QString>;

inline QString vcardFixture(const char* name) {
    return QStringLiteral(IMPORT_FIXTURE_DIR "/") + QLatin1String(name);
}

struct VcardFixture {
    const char* file;
    std::vector<FieldValues> records;
    unsigned skipped;
};

inline const std::vector<VcardFixture>& vcardFixtures() {
    static const std::vector<VcardFixture> fixtures{
        {"contacts-21.vcf",
         {{{"LNAME", QString::fromUtf8("Müller")},
           {"FNAME", QString::fromUtf8("Jürgen")},
           {"MIDDLE", "K"},
           {"PREFIX", "Dr."},
           {"ORG", "Hafenbau GmbH, Planung"},
           {"TITLE", "Oberingenieur"},
           // "Hafenstraße 1, Tor 3, Gebäude 4" cut to the field's 30 characters
           {"STREET", QString::fromUtf8("Hafenstraße 1, Tor 3, Gebäude")},
           {"CITY", "Hamburg"},
           {"STATE", "HH"},
           {"ZIP", "20457"},
           {"COUNTRY", "Germany"},
           {"PHONE", "+49 40 555 0100"},
           {"FAX", "+49 40 555 0199"},
           {"EMAIL", "j.mueller@hafenbau.example"},
           {"NOTES", "Kunden,Hamburg"},
           {"MEMO", "Trifft man am besten vormittags.\r\nKeine Anrufe freitags (Werft)."}},
          {{"LNAME", "O'Neil;Smythe"}, {"FNAME", "Ann"}, {"PHONE", "555-0101"}}},
         0},
        {"contacts-30.vcf",
         {{{"LNAME", "Okafor"},
           {"FNAME", "Chiamaka"},
           {"MIDDLE", "N"},
           {"PREFIX", "Ms."},
           {"ORG", "Okafor, Bello & Partners"},
           {"TITLE", "Senior Partner; Trade Law"},
           {"STREET", "7 Broad Street, Third Floor, S"},
           {"CITY", "Lagos"},
           {"STATE", "LA"},
           {"ZIP", "101231"},
           {"COUNTRY", "Nigeria"},
           {"PHONE", "+234 1 555 0100"},
           {"FAX", "+234 1 555 0101"},
           {"EMAIL", "c.okafor@okafor-bello.example"},
           {"NOTES", "Clients,Lagos,Legal"},
           {"MEMO", "Met at the Abuja trade fair, 2024.\r\nPrefers e-mail."}},
          {{"LNAME", "Lind"},
           {"FNAME", "Erik"},
           {"STREET", "Storgatan 5"},
           {"CITY", "Uppsala"},
           {"ZIP", "753 20"},
           {"COUNTRY", "Sweden"},
           {"PHONE", "+46 18 555 010"}}},
         0},
        {"contacts-40.vcf",
         {{{"LNAME", QString::fromUtf8("Škoda")},
           {"FNAME", "Emil"},
           {"MIDDLE", "T"},
           {"STREET", QString::fromUtf8("Karlovo nám. 7")},
           {"CITY", "Praha"},
           {"ZIP", "120 00"},
           {"COUNTRY", "Czech Republic"},
           {"PHONE", "+420-555-654-321"},
           {"EMAIL", "emil@skoda.example.cz"},
           {"NOTES", "Music,Praha"}},
          {{"ORG", "Northwind Traders"},
           {"STREET", "400 Pike Street"},
           {"CITY", "Seattle"},
           {"STATE", "WA"},
           {"ZIP", "98101"},
           {"COUNTRY", "USA"},
           {"FAX", "+1-206-555-0188"}},
          {{"LNAME", "Grey"}, {"FNAME", "Alex"}},
          {{"LNAME", "Chen"}, {"FNAME", "Mei Lin"}}},
         1},
    };
    return fixtures;
}

}  // namespace rp
