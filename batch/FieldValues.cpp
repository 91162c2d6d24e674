#include "batch/FieldValues.h"

#include <QCoreApplication>
#include <QLocale>

#include "batch/BatchError.h"
#include "data/DateText.h"
#include "data/RecordText.h"
#include "data/Transliteration.h"
#include "xbase/Table.h"

namespace rp {
namespace {

QString fieldName(const xbase::Table& table, int n) {
    return QString::fromStdString(table.field(n).name);
}

// The value of one argument for field n.
FieldValue readValue(const xbase::Table& table, int n, const QString& value,
                     const QString& dateFormat) {
    const xbase::Field& field = table.field(n);
    FieldValue read;
    read.field = n;
    read.empty = value.trimmed().isEmpty();
    switch (field.type) {
        case 'D': {
            const auto day = parseDate(value, dateFormat);
            if (!day)
                throw BatchError(QCoreApplication::translate(
                                     "EditCommand", "%1: \"%2\" is not a date in the form %3")
                                     .arg(fieldName(table, n), value, dateFormat));
            read.day = *day;
            read.empty = *day == 0;
            return read;
        }
        case 'L': {
            const QString letter = value.trimmed().toUpper();
            if (!read.empty && letter != QLatin1String("T") && letter != QLatin1String("F") &&
                letter != QLatin1String("Y") && letter != QLatin1String("N"))
                throw BatchError(
                    QCoreApplication::translate("EditCommand", "%1: \"%2\" is not T, F, Y or N")
                        .arg(fieldName(table, n), value));
            read.logical = letter == QLatin1String("T") || letter == QLatin1String("Y");
            return read;
        }
        case 'N':
        case 'F': {
            bool ok = read.empty;
            if (!read.empty) read.number = QLocale::c().toDouble(value.trimmed(), &ok);
            if (!ok)
                throw BatchError(
                    QCoreApplication::translate("EditCommand", "%1: \"%2\" is not a number")
                        .arg(fieldName(table, n), value));
            return read;
        }
        case 'M':
            read.text = closeSpelling(memoForSave(value));
            storableBytes(read.text);  // refuses what no address file holds
            return read;
        default:
            read.text = closeSpelling(value);
            storableBytes(read.text);
            if (read.text.size() > field.width)
                throw BatchError(
                    QCoreApplication::translate("EditCommand",
                                                "%1: \"%2\" is longer than the field's %3 "
                                                "characters")
                        .arg(fieldName(table, n), value)
                        .arg(field.width));
            return read;
    }
}

}  // namespace

std::vector<FieldValue> readFieldValues(const xbase::Table& table, const QStringList& arguments,
                                        const QString& dateFormat) {
    std::vector<FieldValue> values;
    for (const QString& argument : arguments) {
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals <= 0)
            throw BatchError(QCoreApplication::translate("EditCommand", "\"%1\" is not FIELD=VALUE")
                                 .arg(argument));
        const QString name = argument.left(equals);
        const int n = table.fieldNumber(name.toStdString());
        if (n == 0)
            throw BatchError(
                QCoreApplication::translate("EditCommand", "the address file has no field %1")
                    .arg(name));
        values.push_back(readValue(table, n, argument.mid(equals + 1), dateFormat));
    }
    return values;
}

void storeFieldValues(xbase::Table& table, const std::vector<FieldValue>& values) {
    for (const FieldValue& value : values) {
        const xbase::Field& field = table.field(value.field);
        const QByteArray name = QByteArray::fromStdString(field.name);
        if (field.type == 'M')
            setMemoText(table, name.constData(), value.text);
        else if (value.empty)
            table.setEmpty(value.field);
        else if (field.type == 'D')
            table.setDate(value.field, value.day);
        else if (field.type == 'L')
            table.setLogical(value.field, value.logical);
        else if (field.type == 'N' || field.type == 'F')
            table.setNumber(value.field, value.number);
        else
            setFieldText(table, name.constData(), value.text);
    }
}

}  // namespace rp
