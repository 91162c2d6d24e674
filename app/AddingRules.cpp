#include "app/AddingRules.h"

#include <QCoreApplication>

#include "data/FieldText.h"
#include "data/RecordText.h"
#include "data/TableRestore.h"
#include "framework/Messages.h"
#include "xbase/DateUtil.h"
#include "xbase/Table.h"

namespace rp {
namespace {

bool seekKey(xbase::Table& table, const char* tag, const QString& key, bool exact) {
    table.setOrder(tag);
    table.engine().settings.exact = exact;
    const auto bytes = toFieldBytes(key);
    return bytes && table.seek(*bytes);
}

// False, after telling the user, when the value cannot be stored; the other values are still
// put, each refusal told on its own.
bool put(xbase::Table& table, const char* field, const QString& value) {
    try {
        setFieldText(table, field, value);
        return true;
    } catch (const UnstorableText& e) {
        showInformation(errorText(e));
        return false;
    }
}

bool putToday(xbase::Table& table) {
    table.setDate("DATE", xbase::today());
    return true;
}

}  // namespace

CarryValues readCarryValues(const xbase::Table& table) {
    if (table.recNo() < 1 || table.recNo() > table.recordCount()) return {};
    return {fieldText(table, "ORG"), fieldText(table, "CITY"), fieldText(table, "STATE"),
            fieldText(table, "ZIP"), fieldText(table, "COUNTRY")};
}

bool fillCityState(xbase::Table& table, const QString& zip, QString& city, QString& state) {
    TableRestore keep(table, TableRestore::Record::Leave);
    const bool found = seekKey(table, "ZIP", zip.toUpper(), false);
    if (found) {
        city = fieldText(table, "CITY");
        state = fieldText(table, "STATE");
    }
    keep.restoreRecord();
    return found;
}

QString dupNameKey(const QString& first, const QString& last) {
    return (last.left(30).leftJustified(30) + first.left(30).leftJustified(30)).toUpper();
}

bool checkDupName(xbase::Table& table, const QString& first, const QString& last) {
    if (first.isEmpty() || last.isEmpty()) return true;
    TableRestore keep(table, TableRestore::Record::Leave);
    if (!seekKey(table, "LNAME", dupNameKey(first, last), true)) {
        keep.restoreRecord();
        return true;
    }
    beep();
    const QString text =
        QCoreApplication::translate("AddingRules",
                                    "Possible duplicate: \r\n\r\n%1 %2\r\n%3\r\n%4,%5 %6\r\n\r\n"
                                    "Continue adding?")
            .arg(first, last, fieldText(table, "STREET"), fieldText(table, "CITY"),
                 fieldText(table, "STATE"), fieldText(table, "ZIP"));
    const bool goOn = messages().question(
        QCoreApplication::translate("AddingRules", "Possible Duplicate"), text, false);
    if (goOn) keep.restoreRecord();
    return goOn;
}

bool applyInsertReactions(xbase::Table& table, const CarryValues& carry, const Preferences& prefs) {
    bool ok = true;
    if (prefs.plugDate) ok = putToday(table) && ok;
    if (prefs.carryOrg) ok = put(table, "ORG", carry.org) && ok;
    if (prefs.carryCity) ok = put(table, "CITY", carry.city) && ok;
    if (prefs.carryState) ok = put(table, "STATE", carry.state) && ok;
    if (prefs.carryZip) ok = put(table, "ZIP", carry.zip) && ok;
    if (prefs.carryCountry) ok = put(table, "COUNTRY", carry.country) && ok;
    if (carry.country.isEmpty() && !prefs.defaultCountry.isEmpty())
        ok = put(table, "COUNTRY", prefs.defaultCountry) && ok;
    return ok;
}

bool fillNewRecord(xbase::Table& table, const NewRecordValues& values) {
    bool ok = true;
    const std::pair<const char*, const QString*> given[] = {{"LNAME", &values.lastName},
                                                            {"FNAME", &values.firstName},
                                                            {"ZIP", &values.zip},
                                                            {"CITY", &values.city},
                                                            {"STATE", &values.state}};
    for (const auto& [field, value] : given)
        if (!value->isEmpty()) ok = put(table, field, *value) && ok;
    return ok;
}

}  // namespace rp
