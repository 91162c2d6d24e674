#pragma once
// The addressee's block on labels and envelopes: the current record's lines as the address
// contents ask for them, top to bottom, with no empty line anywhere.
#include <QStringList>

#include "mailpiece/AddressContents.h"

namespace xbase {
class Table;
}

namespace rp {

// The values the block is made of, as the address file holds them (no trailing blanks).
struct AddressValues {
    QString prefix, first, middle, last, title, org, street, city, state, zip, country, phone;
};

// The values of the table's current record.
AddressValues readAddressValues(const xbase::Table& table);

// The name line: PREFIX FNAME MIDDLE. LNAME, each part without its leading blanks and followed
// by one blank, a blank part taking no room ("." follows a middle name that is not blank).
QString nameLine(const AddressValues& values);

// Clears lines, then fills them from the values:
//   name      PREFIX FNAME MIDDLE. LNAME and one space (a blank part takes no room)
//   title, organization, street
//   city      CITY  STATE ZIP (After state), ZIP CITY STATE (Before city), else CITY STATE;
//             with City + State off, a ZIP placed after state or before city stands alone
//   country   COUNTRY ZIP (After country), ZIP COUNTRY (Before country), else COUNTRY;
//             with Country off, a ZIP placed after or before the country stands alone
//   phone
// then every line in capitals when Uppercase is on.
void composeAddressBlock(QStringList& lines, const AddressValues& values,
                         const AddressContents& contents);

// The same for the table's current record.
void composeAddressBlock(QStringList& lines, const xbase::Table& table,
                         const AddressContents& contents);

}  // namespace rp
