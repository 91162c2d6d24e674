#pragma once
// The Search command's work: the key typed for the ticked order, and a seek on the current
// order that leaves the record where it was when nothing matches.
#include <QString>
#include <string>

namespace xbase {
class Table;
}

namespace rp {

struct SearchKeyResult {
    enum class Kind {
        Key,          // key holds the bytes to seek
        InvalidDate,  // the Date order was given something that is not a date
        Unstorable,   // a character the file cannot hold: no key can match
    };
    Kind kind = Kind::Key;
    std::string key;
};

// The key for the order's tag. DATE: the input read in the short date format (a text without
// a digit is no date either) as YYYYMMDD. Every other order: the input's Windows-1252 bytes
// with the letters a-z in capitals, as UPPER builds the index keys (accented letters stay as
// they are, in the keys and here). For CITY, whose keys are the city and state run together,
// a city or its beginning is a prefix of the key.
SearchKeyResult searchKey(const QString& orderTag, const QString& input, const QString& dateFormat);

// Seeks key on the table's current order with exact matching off and soft seek on, so that
// a key matches every index key it begins; the engine's settings are put back afterwards.
// When no key matches (or the table has no order) the table goes back to the record it
// stood on. True when found.
bool seekKeepingPlace(xbase::Table& table, const std::string& key);

// The Search command after the box: forms the key and seeks it. Empty input does nothing.
// An invalid date is told to
// the user ("Invalid date entered") and nothing moves; a search that finds nothing says
// nothing. True when the table stands on a matching record.
bool searchFor(xbase::Table& table, const QString& orderTag, const QString& input,
               const QString& dateFormat);

}  // namespace rp
