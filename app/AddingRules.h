#pragma once
// The rules of adding a record: the values carried from the record current before the
// insert, city and state found by ZIP, and the duplicate-name warning.
#include <QString>

#include "data/Preferences.h"

namespace xbase {
class Table;
}

namespace rp {

struct CarryValues {
    QString org, city, state, zip, country;
};

// The carry values of the current record (all empty when there is none).
CarryValues readCarryValues(const xbase::Table& table);

// Seeks zip (in capitals, prefix match) in the ZIP order and gives the found record's CITY and
// STATE; the table's record, order and exact setting are restored. False when not found.
bool fillCityState(xbase::Table& table, const QString& zip, QString& city, QString& state);

// Last name then first name, each cut or padded with blanks to 30, in capitals.
QString dupNameKey(const QString& first, const QString& last);

// Asks "Possible Duplicate" when a record with exactly these names exists. True to go on
// adding: then the table is back on its record; on No it stays on the duplicate. The order
// and exact setting are restored either way.
bool checkDupName(xbase::Table& table, const QString& first, const QString& last);

// Values a new record gets from the prompt, the ZIP lookup and the carry values.
struct NewRecordValues {
    QString lastName, firstName, zip, city, state;
};

// Puts the prompt's names and ZIP and the city and state found by ZIP into the record being
// added, each only where not empty (the insert reactions have put the carried values).
// False when a value cannot be stored.
bool fillNewRecord(xbase::Table& table, const NewRecordValues& values);

// What the insert reactions put into a fresh record: today's date, the carried values whose
// flags are set, the default country.
bool applyInsertReactions(xbase::Table& table, const CarryValues& carry, const Preferences& prefs);

}  // namespace rp
