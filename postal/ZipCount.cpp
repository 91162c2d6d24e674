#include "postal/ZipCount.h"

#include "data/FieldText.h"
#include "data/TableRestore.h"
#include "postal/ReadingStatus.h"
#include "postal/ZipTally.h"
#include "xbase/Ascii.h"
#include "xbase/Table.h"

namespace rp {

bool isStandardZipKey(std::string_view key) {
    return key.size() == 5 && key >= "00000" && key <= "99999-999" && key[0] >= '0' &&
           key[0] <= '9';
}

QString countLine(const QString& key, std::int32_t count, const QLocale& locale) {
    return key.left(10).leftJustified(10, QLatin1Char(' ')) + locale.toString(count);
}

void ZipCountTally::add(std::string_view zipField) {
    const std::string_view key = zipKey(xbase::trimRight(zipField));
    if (key.empty()) {
        ++blank_;
        return;
    }
    auto& list = isStandardZipKey(key) ? standard_ : other_;
    const auto it = list.find(key);
    if (it == list.end())
        list.emplace(std::string(key), 1);
    else
        ++it->second;
}

QStringList ZipCountTally::lines(const QLocale& locale) const {
    QStringList out;
    for (const auto& [key, count] : standard_) out << countLine(fromFieldBytes(key), count, locale);
    out << QString() << QString();
    for (const auto& [key, count] : other_) out << countLine(fromFieldBytes(key), count, locale);
    if (blank_ > 0) out << countLine(QStringLiteral("BLANK"), blank_, locale);
    return out;
}

std::optional<QStringList> countZipCodes(xbase::Table& table, const ZipCountHooks& hooks,
                                         const QLocale& locale) {
    const TableRestore restore(table);
    const int zip = table.fieldNumber("ZIP");
    table.setOrder(0);
    table.goTop();
    hooks.status(readingRecordsStatus());
    ZipCountTally tally;
    while (!table.eof()) {
        tally.add(table.fieldBytes(zip));
        table.skip(1);
        if (table.recNo() % 100 == 0) hooks.status(readingRecordStatus(table.recNo()));
        if (!hooks.keepGoing()) return std::nullopt;
    }
    hooks.status(sortingZipCodesStatus());
    return tally.lines(locale);
}

}  // namespace rp
