#include "xbase/internal/MemoRead.h"

#include <algorithm>
#include <cstring>

#include "xbase/Error.h"

namespace xbase::memo {

namespace {

// The largest single read while looking for a 0x1A terminator.
constexpr std::size_t kMaxScanRead = 64 * 1024;

}  // namespace

void fail(const File& file, std::uint32_t block, const std::string& problem) {
    throw Error(file.path() + ": memo at block " + std::to_string(block) + " " + problem);
}

std::string readStart(const File& file, std::uint64_t offset, std::uint32_t block) {
    std::string bytes(kFirstRead, '\0');
    bytes.resize(file.readAt(offset, bytes.data(), bytes.size()));
    if (bytes.empty()) fail(file, block, "lies past the end of the file");
    return bytes;
}

std::string counted(const File& file, std::uint32_t block, std::uint64_t offset, std::string start,
                    std::size_t dataStart, std::uint64_t length) {
    if (dataStart + length <= start.size()) {
        start.erase(0, dataStart);
        start.resize(static_cast<std::size_t>(length));
        return start;
    }
    // Checked before allocating, so that a damaged length cannot ask for gigabytes.
    if (offset + dataStart + length > file.size())
        fail(file, block,
             "has a length of " + std::to_string(length) +
                 " bytes, which runs past the end of the file");
    std::string text(static_cast<std::size_t>(length), '\0');
    const std::size_t have = start.size() - dataStart;
    std::memcpy(text.data(), start.data() + dataStart, have);
    const std::string what = "memo at block " + std::to_string(block);
    file.readExact(offset + start.size(), text.data() + have, text.size() - have, what.c_str());
    return text;
}

std::string toTerminator(const File& file, std::uint64_t offset, std::string start) {
    std::string text = std::move(start);
    std::size_t searched = 0;
    std::size_t chunk = kFirstRead;
    bool atEnd = text.size() < kFirstRead;
    for (;;) {
        const std::size_t stop = text.find('\x1A', searched);
        if (stop != std::string::npos) {
            text.resize(stop);
            return text;
        }
        if (atEnd) return text;
        searched = text.size();
        chunk = std::min(chunk * 2, kMaxScanRead);
        text.resize(searched + chunk);
        const std::size_t got = file.readAt(offset + searched, text.data() + searched, chunk);
        text.resize(searched + got);
        atEnd = got < chunk;
    }
}

}  // namespace xbase::memo
