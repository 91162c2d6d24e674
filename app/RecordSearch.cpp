#include "app/RecordSearch.h"

#include <cstdint>

#include "app/DateText.h"
#include "data/FieldText.h"
#include "framework/Messages.h"
#include "xbase/Ascii.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// Sets exact matching and soft seek for one seek and puts them back however it ends.
class SeekSettings {
public:
    explicit SeekSettings(xbase::Settings& settings)
        : settings_(settings), exact_(settings.exact), softSeek_(settings.softSeek)
    {
        settings_.exact = false;
        settings_.softSeek = true;
    }
    SeekSettings(const SeekSettings&) = delete;
    SeekSettings& operator=(const SeekSettings&) = delete;
    ~SeekSettings()
    {
        settings_.exact = exact_;
        settings_.softSeek = softSeek_;
    }

private:
    xbase::Settings& settings_;
    bool exact_;
    bool softSeek_;
};

}  // namespace

SearchKeyResult SearchKey(const QString& orderTag, const QString& input, const QString& dateFormat)
{
    using Kind = SearchKeyResult::Kind;
    if (orderTag == QLatin1String("DATE")) {
        const auto day = ParseDate(input, dateFormat);
        if (!day || *day == 0) return {Kind::InvalidDate, {}};
        return {Kind::Key, xbase::toDtos(*day)};
    }
    const auto bytes = toFieldBytes(input);
    if (!bytes) return {Kind::Unstorable, {}};
    return {Kind::Key, xbase::upperAscii(*bytes)};
}

bool SeekKeepingPlace(xbase::Table& table, const std::string& key)
{
    if (table.order() == 0) return false;
    const std::uint32_t home = table.recNo();
    SeekSettings settings(table.engine().settings);
    if (table.seek(key)) return true;
    table.go(home);
    return false;
}

bool SearchFor(xbase::Table& table, const QString& orderTag, const QString& input, const QString& dateFormat)
{
    if (input.isEmpty()) return false;
    const SearchKeyResult k = SearchKey(orderTag, input, dateFormat);
    switch (k.kind) {
    case SearchKeyResult::Kind::InvalidDate:
        ShowInformation(QStringLiteral("Invalid date entered"));
        return false;
    case SearchKeyResult::Kind::Unstorable:
        return false;
    case SearchKeyResult::Kind::Key:
        break;
    }
    return SeekKeepingPlace(table, k.key);
}

}  // namespace rp
