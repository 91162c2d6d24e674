#include "app/RebuildIndexes.h"

#include <QCoreApplication>

#include "data/AddressFile.h"
#include "data/SideFiles.h"
#include "framework/Messages.h"
#include "xbase/Engine.h"
#include "xbase/Error.h"

namespace rp {
namespace {

struct SideIndex {
    const char* status;
    const char* file;
    const char* tag;
    const char* key;
};

// In the order they are rebuilt; the key expressions are written exactly so.
constexpr SideIndex kSideIndexes[] = {
    {QT_TRANSLATE_NOOP("RebuildIndexes", "Rebuilding Letters File indexes"), "RVPLTRS.DBF",
     "DESCRIPT", "UPPER(DESCRIPT)"},
    {QT_TRANSLATE_NOOP("RebuildIndexes", "Rebuilding Label Type File indexes"), "RVPLBLS.DBF",
     "USERDESC", "UPPER(USERDESC)"},
    {QT_TRANSLATE_NOOP("RebuildIndexes", "Rebuilding Envelope Type File indexes"), "RVPENVS.DBF",
     "NAME", "UPPER(NAME)"},
    {QT_TRANSLATE_NOOP("RebuildIndexes", "Rebuilding State/Province File indexes"), "RVPSZCK.DBF",
     "STATE", "UPPER(STATE)"},
    {QT_TRANSLATE_NOOP("RebuildIndexes", "Rebuilding Label Setup File indexes"), "RVPLSU.DBF",
     "DESCRIPT", "UPPER(descript)"},
    {QT_TRANSLATE_NOOP("RebuildIndexes", "Rebuilding Envelope Setup File indexes"), "RVPESU.DBF",
     "DESCRIPT", "UPPER(descript)"},
};

// Throws xbase::Error when the table cannot be opened or rebuilt; the table is closed either way.
void rebuildSideIndex(xbase::Engine& engine, const QString& path, const SideIndex& side) {
    const auto table = engine.open(enginePath(path), xbase::OpenMode::Exclusive);
    // Natural order when the tag is not there (a table whose index file is gone): then no
    // index file is named and there is nothing to delete.
    table->setOrder(table->orderNumber(side.tag));
    // deleteIndexes removes the index file the table actually uses, whatever its letter case.
    if (!table->orderIndexFile().empty()) table->deleteIndexes();
    table->pack();
    table->createTag(side.tag, side.key);
    table->close();
}

}  // namespace

void rebuildAddressIndexes(AddressTable& table, ReindexProgress& progress, const StatusFn& status,
                           const GaugeFn& gauge) {
    const auto report = [&](int value) {
        gauge(progress.show(value));
        return true;
    };

    status(QCoreApplication::translate("RebuildIndexes", "Cleaning out old deleted records"));
    try {
        table->deleteIndexes();
        progress.setPacking(true);
        gauge(0);
        table->pack(report);
    } catch (const xbase::Error& e) {
        // The tags are still made, so that the file is usable however far this came.
        showInformation(errorText(e));
    }

    status(QCoreApplication::translate("RebuildIndexes", "Rebuilding indexes"));
    progress.setPacking(false);
    const auto tagProgress = [&](int, int percent) { return report(percent); };
    createAddressTags(table, tagProgress).tell(showInformation);
}

void rebuildSideIndexes(xbase::Engine& engine, const QString& sideFolder, const StatusFn& status) {
    for (const SideIndex& side : kSideIndexes) {
        status(QCoreApplication::translate("RebuildIndexes", side.status));
        const QString path = findSideFile(sideFolder, QLatin1String(side.file));
        if (path.isEmpty()) continue;
        try {
            rebuildSideIndex(engine, path, side);
        } catch (const xbase::Error&) {
            // Passed over without a message; the next one is tried.
        }
    }
}

}  // namespace rp
