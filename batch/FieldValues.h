#pragma once
// FIELD=VALUE arguments read against the fields of the address file and stored into its current
// record as the record page stores what is typed: text in the closest spelling the file can
// hold, memos as Save stores them (memoForSave), dates in the short date format of RAVENP.INI,
// an empty value an empty field.
#include <QString>
#include <QStringList>
#include <vector>

#include "xbase/DateUtil.h"

namespace xbase {
class Table;
}

namespace rp {

struct FieldValue {
    int field = 0;  // the field's number in the table
    QString text;   // character and memo fields
    xbase::JulianDay day = 0;
    double number = 0;
    bool logical = false;
    bool empty = false;
};

// The values the arguments give, each checked against its field; throws BatchError naming the
// field for an unknown field or a value it cannot hold, and UnstorableText for a character no
// address file can hold.
std::vector<FieldValue> readFieldValues(const xbase::Table& table, const QStringList& arguments,
                                        const QString& dateFormat);

// Puts the values into the record the table stands on (the record edit begins; post() ends it).
void storeFieldValues(xbase::Table& table, const std::vector<FieldValue>& values);

}  // namespace rp
