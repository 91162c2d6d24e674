#include "postal/AdcList.h"

namespace rp {

bool servesKey(const AdcEntry& entry, std::string_view key) {
    const std::string_view part = key.substr(0, 3);
    return part.find(' ') == std::string_view::npos &&
           entry.prefixes.find(part) != std::string_view::npos;
}

void extractADC(const AdcEntry& entry, std::vector<std::string>& residual,
                std::vector<std::string>& adcList) {
    bool headed = false;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < residual.size(); ++i) {
        std::string& key = residual[i];
        if (!servesKey(entry, key)) {
            if (kept != i) residual[kept] = std::move(key);
            ++kept;
            continue;
        }
        if (!headed) {
            adcList.push_back("** ADC " + std::string(entry.name));
            headed = true;
        }
        adcList.push_back(std::move(key));
    }
    residual.resize(kept);
}

std::vector<std::string> fillADCList(std::vector<std::string>& residual) {
    std::vector<std::string> adcList;
    for (const AdcEntry& entry : adcTable()) extractADC(entry, residual, adcList);
    return adcList;
}

}  // namespace rp
