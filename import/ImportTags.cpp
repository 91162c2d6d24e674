#include "import/ImportTags.h"

#include <algorithm>
#include <cmath>

#include "data/AddressFile.h"
#include "framework/Messages.h"
#include "xbase/Error.h"

namespace rp {

void dropProductionIndex(xbase::Table& table) {
    if (!table.hasStructuralIndex()) return;
    try {
        table.deleteIndexes();
    } catch (const xbase::Error&) {
        // The appends keep the index up to date instead; the rebuild at the end replaces it.
    }
}

int TagRebuildGauge::show(int value) {
    if (value > last_) sum_ += value - last_;
    last_ = value;
    return std::min(100, static_cast<int>(std::lround(static_cast<double>(sum_) / 1800 * 100)));
}

bool rebuildImportedTags(AddressTable& table, const std::function<void(int percent)>& gauge) {
    TagRebuildGauge shown;
    const auto progress = [&](int, int percent) {
        gauge(shown.show(percent));
        return true;
    };
    const bool built = createAddressTags(table, progress).tell(showInformation);
    if (!built) showInformation(QStringLiteral("Error rebuilding indexes"));
    return built;
}

}  // namespace rp
