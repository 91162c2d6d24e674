#include "bench/AddressTags.h"

#include <chrono>

#include "data/AddressLayout.h"

namespace bench {

std::vector<double> createAddressTags(xbase::Table& table) {
    std::vector<double> seconds;
    for (const rp::AddressTagDef& tag : rp::addressTags()) {
        auto start = std::chrono::steady_clock::now();
        table.createTag(tag.name, tag.key);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return seconds;
}

}  // namespace bench
