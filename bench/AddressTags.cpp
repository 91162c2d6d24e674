#include "bench/AddressTags.h"

#include <chrono>

#include "data/AddressLayout.h"

namespace bench {

std::vector<double> createAddressTags(xbase::Table& table) {
    std::vector<xbase::Table::TagRequest> requests;
    for (const rp::AddressTagDef& tag : rp::addressTags())
        requests.push_back({tag.name, tag.key, {}, false});
    std::vector<double> seconds;
    auto last = std::chrono::steady_clock::now();
    table.createTags(requests, [&](std::size_t, int percent) {
        if (percent == 100) {
            const auto now = std::chrono::steady_clock::now();
            seconds.push_back(std::chrono::duration<double>(now - last).count());
            last = now;
        }
        return true;
    });
    return seconds;
}

}  // namespace bench
