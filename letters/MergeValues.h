#pragma once
// The values the merge codes of a letter stand for, for one address record. A field's value is
// its text without trailing blanks.
#include <QString>
#include <QStringList>

#include "mailpiece/AddressBlock.h"

namespace xbase {
class Table;
}

namespace rp {

struct MergeRecord {
    AddressValues address;
    QString fax;
    QString email;
    QString today;  // the date of printing in the program's short date format
};

// The values of the table's current record.
MergeRecord readMergeRecord(const xbase::Table& addresses, const QString& today);

// The address block, its lines present only when not empty: the name line; TITLE + ",  " +
// ORG (or whichever is there); STREET; CITY + " " + STATE + " " (when there is a state) + " " +
// ZIP without leading and trailing blanks; COUNTRY.
QStringList letterAddressLines(const AddressValues& address);

// The value of kMergeCodeNames[code]; the lines of "Name and Address" are joined by '\n'.
QString mergeCodeValue(int code, const MergeRecord& record);

}  // namespace rp
