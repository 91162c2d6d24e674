#pragma once
// Counting how many records of an address file's view carry each ZIP code, and the count
// lines the ZIP report prints: all standard keys ascending, two empty lines, the other keys
// ascending, then "BLANK" for records without a ZIP.
#include <QLocale>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace xbase {
class Table;
}

namespace rp {

// Five characters from "00000" up to "99999-999", starting with a digit (compared byte by byte).
bool isStandardZipKey(std::string_view key);

// "%-10.10s" of the key followed by the count with the locale's thousands separator.
QString countLine(const QString& key, std::int32_t count, const QLocale& locale);

class ZipCountTally {
  public:
    void add(std::string_view zipField);
    QStringList lines(const QLocale& locale = QLocale()) const;

  private:
    std::map<std::string, std::int32_t, std::less<>> standard_;
    std::map<std::string, std::int32_t, std::less<>> other_;
    std::int32_t blank_ = 0;
};

struct ZipCountHooks {
    std::function<void(const QString&)> status;
    // Called once a record; false stops the count.
    std::function<bool()> keepGoing;
};

// Counts the table's view (its filter and hidden deleted records) in record order. The order
// and record are restored afterwards. Nothing when the count was stopped.
std::optional<QStringList> countZipCodes(xbase::Table& table, const ZipCountHooks& hooks,
                                         const QLocale& locale = QLocale());

}  // namespace rp
