#pragma once
// What the memo file fuzz targets share: the input written out as a file, and block numbers
// taken from the input's last bytes, each both as it stands and cut down to the first blocks.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "xbase/internal/File.h"

class ScratchFile {
  public:
    explicit ScratchFile(const std::string& extension)
        : path_("/tmp/ravenpost-fuzz-" + std::to_string(::getpid()) + "." + extension) {}
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    ~ScratchFile() { std::remove(path_.c_str()); }

    const std::string& write(const std::uint8_t* data, std::size_t size) const {
        xbase::File::create(path_).writeAt(0, data, size);
        return path_;
    }

  private:
    std::string path_;
};

inline std::vector<std::uint32_t> blockNumbers(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint32_t> blocks;
    for (std::size_t end = size; end >= 4 && blocks.size() < 8; end -= 4) {
        const std::uint32_t v = std::uint32_t(data[end - 4]) | std::uint32_t(data[end - 3]) << 8 |
                                std::uint32_t(data[end - 2]) << 16 |
                                std::uint32_t(data[end - 1]) << 24;
        blocks.push_back(v);
        blocks.push_back(v % 64);
    }
    return blocks;
}
