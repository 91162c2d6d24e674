#include "utilities/StateZipCheck.h"

#include <exception>

#include "data/AddressTable.h"
#include "framework/BulkProgress.h"
#include "framework/Messages.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

constexpr const char* kStateTag = "STATE";

// A whole-key seek: with exact matching off a state "N" would find the row of "NB" and a
// blank state any row at all.
bool seekWholeState(xbase::Table& states, const std::string& state) {
    xbase::Settings& settings = states.engine().settings;
    const bool exact = settings.exact;
    settings.exact = true;
    const bool found = states.seek(state);
    settings.exact = exact;
    return found;
}

bool questionable(xbase::Table& states, const std::string& state, const std::string& zip) {
    if (!seekWholeState(states, state)) return true;
    return outsideZipRange(zip, states.text("LOW_ZIP"), states.text("HIGH_ZIP"));
}

}  // namespace

std::unique_ptr<xbase::Table> openStateZipTable(xbase::Engine& engine, const QString& folder,
                                                bool forEditing, QString* cause) {
    const QString path = folder + QString::fromLatin1(kStateZipFile);
    try {
        auto table = engine.open(enginePath(path),
                                 forEditing ? xbase::OpenMode::Exclusive : xbase::OpenMode::Shared);
        if (const auto notice = indexRebuiltNotice(*table, path)) showInformation(*notice);
        if (table->orderNumber(kStateTag) == 0) {
            if (!forEditing) return nullptr;
            table->createTag(kStateTag, "UPPER(STATE)");
        }
        table->setOrder(kStateTag);
        table->goTop();
        return table;
    } catch (const std::exception& e) {
        if (cause) *cause = errorText(e);
        return nullptr;
    }
}

bool outsideZipRange(const std::string& zip, const std::string& low, const std::string& high) {
    const std::string_view z(zip);
    return z.substr(0, low.size()) < low || z.substr(0, high.size()) > high;
}

std::uint32_t checkStateZip(xbase::Table& addresses, xbase::Table& states,
                            const std::string& indexPath, bool includeBlanks,
                            const StateZipHooks& hooks) {
    const int flagOrder = addresses.createIndexFile(indexPath, kStateZipIndexKey, true);
    addresses.setOrder(0);
    addresses.goTop();
    const std::uint32_t total = addresses.visibleCount();
    addresses.goTop();
    std::uint32_t done = 0;
    std::uint32_t found = 0;
    while (!addresses.eof()) {
        const std::uint32_t recno = addresses.recNo();
        const int percent = percentDone(++done, total);
        if (percent > 0 && percent < 100 && hooks.progress) hooks.progress(percent);
        const std::string state = addresses.text("STATE");
        const std::string zip = addresses.text("ZIP");
        const bool considered =
            !addresses.deleted() && (includeBlanks || (!state.empty() && !zip.empty()));
        if (considered && questionable(states, state, zip)) {
            addresses.setOrder(flagOrder);
            addresses.addKey();
            addresses.setOrder(0);
            ++found;
        }
        addresses.go(recno);
        addresses.skip();
        if (hooks.found) hooks.found(found);
        if (hooks.keepGoing && !hooks.keepGoing()) break;
    }
    addresses.setOrder(flagOrder);
    addresses.goTop();
    return found;
}

}  // namespace rp
