#include "import/ImportTags.h"

#include <algorithm>
#include <cmath>

#include "data/AddressFile.h"
#include "data/AddressLayout.h"
#include "framework/Messages.h"
#include "xbase/Error.h"

#include <QCoreApplication>

namespace rp {
namespace {

// Whether the structural tags are the address tags, no more and no fewer.
bool holdsAddressTags(const xbase::Table& table) {
    if (!table.hasStructuralIndex() || table.orderCount() != static_cast<int>(addressTags().size()))
        return false;
    return std::all_of(addressTags().begin(), addressTags().end(),
                       [&](const AddressTagDef& tag) { return table.orderNumber(tag.name) != 0; });
}

}  // namespace

void setAddressTagsAside(xbase::Table& table) {
    if (!holdsAddressTags(table)) {
        table.deleteIndexes();
        std::vector<xbase::Table::TagRequest> requests;
        for (const AddressTagDef& tag : addressTags())
            requests.push_back({tag.name, tag.key, {}, false});
        table.createTags(requests);
    }
    table.setIndexAside();
}

int TagRebuildGauge::show(int value) {
    if (value > last_) sum_ += value - last_;
    last_ = value;
    return std::min(100, static_cast<int>(std::lround(static_cast<double>(sum_) / 1800 * 100)));
}

bool rebuildImportedTags(AddressTable& table, const std::function<void(int percent)>& gauge) {
    TagRebuildGauge shown;
    bool built = false;
    try {
        table->reindex([&](int percent) {
            gauge(shown.show(percent));
            return true;
        });
        built = holdsAddressTags(table.table());
    } catch (const xbase::Error& e) {
        showInformation(
            withCause(QCoreApplication::translate("ImportTags", "Unable to create index files"),
                      errorText(e)));
        showInformation(QCoreApplication::translate("ImportTags", "Error rebuilding indexes"));
        return false;
    }
    // The tags could not be set aside: they are all made afresh.
    if (!built) {
        const auto progress = [&](int, int percent) {
            gauge(shown.show(percent));
            return true;
        };
        built = createAddressTags(table, progress).tell(showInformation);
    }
    if (!built)
        showInformation(QCoreApplication::translate("ImportTags", "Error rebuilding indexes"));
    return built;
}

}  // namespace rp
