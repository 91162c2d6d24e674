#include "utilities/DuplicateCheck.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>
#include <vector>

#include "data/TableRestore.h"
#include "framework/BulkProgress.h"
#include "xbase/Table.h"

namespace rp {
namespace {

char foldAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string trimmedRight(std::string text) {
    const auto end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace

const char* duplicateIndexKey(DuplicateKind kind) {
    return kind == DuplicateKind::Street ? "upper(STREET)" : "upper(LNAME-FNAME)";
}

const char* duplicateScanTag(DuplicateKind kind) {
    return kind == DuplicateKind::Street ? "STREET" : "NAME";
}

DuplicateKey duplicateKey(const xbase::Table& table, DuplicateKind kind, int streetCharacters) {
    if (kind == DuplicateKind::Street) {
        const int n = std::clamp(streetCharacters, 1, kMaxStreetCharacters);
        std::string street = table.text("STREET");
        if (street.size() > static_cast<std::size_t>(n)) street.resize(static_cast<std::size_t>(n));
        return {trimmedRight(std::move(street)), {}, {}};
    }
    DuplicateKey key{table.text("LNAME"), table.text("FNAME"), {}};
    if (kind == DuplicateKind::Initial && key.second.size() > 1) {
        key.rest = key.second.substr(1);
        key.second.resize(1);
    }
    return key;
}

bool sameDuplicateKey(const DuplicateKey& a, const DuplicateKey& b) {
    // The joined text's i-th character, read from the parts in place.
    const auto at = [](const DuplicateKey& key, std::size_t i) {
        if (i < key.first.size()) return key.first[i];
        i -= key.first.size();
        return i < key.second.size() ? key.second[i] : key.rest[i - key.second.size()];
    };
    const auto sameOver = [&](std::size_t aLength, std::size_t bLength) {
        if (aLength != bLength) return false;
        for (std::size_t i = 0; i < aLength; ++i)
            if (foldAscii(at(a, i)) != foldAscii(at(b, i))) return false;
        return true;
    };
    const std::size_t aKey = a.first.size() + a.second.size();
    const std::size_t bKey = b.first.size() + b.second.size();
    return sameOver(aKey, bKey) || ((!a.rest.empty() || !b.rest.empty()) &&
                                    sameOver(aKey + a.rest.size(), bKey + b.rest.size()));
}

QString duplicatesFoundText(std::uint32_t found) {
    return QCoreApplication::translate("DuplicateCheck", "Found %n possible duplicates", nullptr,
                                       static_cast<int>(found));
}

std::uint32_t checkDuplicates(xbase::Table& table, DuplicateKind kind, int streetCharacters,
                              const std::string& indexPath, const DuplicateHooks& hooks) {
    int workOrder = 0;
    std::uint32_t found = 0;
    {
        // However this scope ends, the table goes back to where it stood; only a check that
        // filled its work index goes on to take that index as the order.
        const TableRestore restore(table);
        workOrder = table.createIndexFile(indexPath, duplicateIndexKey(kind), true);
        table.setOrder(duplicateScanTag(kind));
        table.goTop();
        const std::uint32_t total = table.visibleCount();
        table.goTop();

        std::optional<DuplicateKey> previous;
        std::uint32_t previousRecord = 0;
        std::uint32_t visited = 0;
        // The records to list, in scan order; a record is taken once even when it closes one
        // pair and opens the next. Their keys go into the work index after the walk, which
        // then stays in the scan order throughout.
        std::vector<std::uint32_t> listed;
        const auto take = [&listed](std::uint32_t recno) {
            if (listed.empty() || listed.back() != recno) listed.push_back(recno);
        };
        while (!table.eof()) {
            const std::uint32_t recno = table.recNo();
            const int percent = percentDone(++visited, total);
            if (percent > 0 && percent < 100 && hooks.progress) hooks.progress(percent);
            if (!table.deleted()) {
                DuplicateKey key = duplicateKey(table, kind, streetCharacters);
                if (!key.skipped() && previous && sameDuplicateKey(key, *previous)) {
                    take(previousRecord);
                    take(recno);
                    ++found;
                }
                previous = std::move(key);
                previousRecord = recno;
            }
            table.skip();
            if (hooks.found) hooks.found(found);
            if (hooks.keepGoing && !hooks.keepGoing()) break;
        }
        table.setOrder(workOrder);
        table.fillIndexFile(listed);
    }
    table.setOrder(workOrder);
    table.goTop();
    return found;
}

}  // namespace rp
