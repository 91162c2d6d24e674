#include "postal/Presort.h"

#include "data/AddressTable.h"
#include "data/Households.h"
#include "data/WholeFile.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "postal/PresortList.h"
#include "postal/ReadingStatus.h"
#include "postal/ZipTally.h"
#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

#include <QCoreApplication>

namespace rp {
namespace {

void show(const PresortHooks& hooks, const QString& text) {
    if (hooks.status) hooks.status(text);
}

// The reading pass: false when it was cancelled. Counting households, a record is counted
// only when it is the first of its household.
bool countZipCodes(xbase::Table& table, const PresortHooks& hooks, PresortCount count,
                   ZipCounter& counter) {
    const int zip = table.fieldNumber("ZIP");
    const int street = table.fieldNumber("STREET"), last = table.fieldNumber("LNAME"),
              org = table.fieldNumber("ORG");
    Households households;
    if (count == PresortCount::Households) households.reserve(table.recordCount());
    for (table.goTop(); !table.eof();) {
        if (count == PresortCount::Records ||
            households.add(table.fieldBytes(street), table.fieldBytes(zip), table.fieldBytes(last),
                           table.fieldBytes(org)))
            counter.count(xbase::trimRight(table.fieldBytes(zip)));
        table.skip();
        if (!table.eof() && table.recNo() % kStatusInterval == 0)
            show(hooks, readingRecordStatus(table.recNo()));
        if (hooks.afterRecord && !hooks.afterRecord()) return false;
    }
    return true;
}

bool writeList(const QString& path, const std::vector<std::string>& lines) {
    const std::string text = presortFileText(lines);
    WholeFile file(path);
    if (file.open() && file.write(text.data(), static_cast<qint64>(text.size())) && file.commit())
        return true;
    showError(
        QCoreApplication::translate("Presort", "Cannot write %1: %2").arg(path, file.cause()));
    return false;
}

}  // namespace

PresortResult runPresort(xbase::Table& table, const QString& folder, const PresortHooks& hooks,
                         PresortCount count) {
    ZipCounter counter;
    try {
        table.setOrder(0);
        show(hooks, readingRecordsStatus());
        if (!countZipCodes(table, hooks, count, counter)) return PresortResult::Cancelled;
    } catch (const xbase::Error& e) {
        showError(e);
        return PresortResult::Failed;
    }
    show(hooks, sortingZipCodesStatus());
    const std::vector<std::string> lines = buildPresortList(counter.take());
    return writeList(presortFilePath(folder), lines) ? PresortResult::Done : PresortResult::Failed;
}

std::string presortFileText(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

QString presortFilePath(const QString& folder) {
    return withTrailingSeparator(folder) + kPresortFileName;
}

}  // namespace rp
