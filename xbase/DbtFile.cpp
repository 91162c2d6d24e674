#include "xbase/internal/DbtFile.h"

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/MemoRead.h"

namespace xbase {

namespace {

constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kBlockSizeOffset = 20;
constexpr std::size_t kMarkSize = 8;  // FF FF 08 00 and the length

bool startsWithMark(const std::string& bytes) {
    return bytes.size() >= kMarkSize && bytes.compare(0, 4, "\xFF\xFF\x08\x00", 4) == 0;
}

}  // namespace

DbtFile::DbtFile(const std::string& path, MemoKind kind)
    : file_(File::open(path, false)), kind_(kind) {
    char header[kHeaderSize];
    if (file_.readAt(0, header, kHeaderSize) != kHeaderSize)
        throw Error(path + ": the memo file's header is shorter than 512 bytes");
    if (kind_ == MemoKind::Dbt4) {
        if (std::uint32_t size = loadLe16(header + kBlockSizeOffset)) blockSize_ = size;
    }
}

std::string DbtFile::read(std::uint32_t block) {
    if (block == 0) return {};
    const std::uint64_t offset = static_cast<std::uint64_t>(block) * blockSize_;
    std::string start = memo::readStart(file_, offset, block);
    if (kind_ == MemoKind::Dbt4 && startsWithMark(start)) {
        const std::uint32_t stored = loadLe32(start.data() + 4);
        if (stored < kMarkSize)
            memo::fail(
                file_, block,
                "has a length of " + std::to_string(stored) + ", less than its own 8-byte header");
        return memo::counted(file_, block, offset, std::move(start), kMarkSize, stored - kMarkSize);
    }
    return memo::toTerminator(file_, offset, std::move(start));
}

std::uint32_t DbtFile::write(std::uint32_t, std::string_view) {
    throw Error(path() + ": dBase memo files can be read but not written");
}

}  // namespace xbase
