#include "bench/ProcessMemory.h"

#include <fstream>
#include <string>

namespace bench {

ResidentMemory residentMemory() {
    ResidentMemory m;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        // Lines such as "VmRSS:\t  123456 kB".
        if (line.rfind("VmRSS:", 0) == 0)
            m.currentKb = std::stoll(line.substr(6));
        else if (line.rfind("VmHWM:", 0) == 0)
            m.peakKb = std::stoll(line.substr(6));
        else if (line.rfind("RssAnon:", 0) == 0)
            m.anonymousKb = std::stoll(line.substr(8));
        else if (line.rfind("RssFile:", 0) == 0)
            m.fileKb = std::stoll(line.substr(8));
    }
    return m;
}

bool resetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}

}  // namespace bench
