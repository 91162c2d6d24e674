#include "xbase/internal/FptFile.h"

#include <cstring>
#include <limits>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/MemoRead.h"

namespace xbase {

namespace {

constexpr std::size_t kHeaderSize = 512;
constexpr std::size_t kBlockHeaderSize = 8;  // type and length
constexpr std::uint32_t kTextType = 1;
constexpr std::uint32_t kMaxBlockSize = 0xFFFF;

// The first block that lies wholly after the header.
std::uint32_t firstBlockFor(std::uint32_t blockSize) {
    return static_cast<std::uint32_t>((kHeaderSize + blockSize - 1) / blockSize);
}

}  // namespace

FptFile::FptFile(const std::string& path, bool writable)
    : file_(File::open(path, writable)), writable_(writable) {
    char header[kHeaderSize];
    if (file_.readAt(0, header, kHeaderSize) != kHeaderSize)
        throw Error(path + ": the memo file's header is shorter than 512 bytes");
    blockSize_ = loadBe16(header + 6);
    if (blockSize_ == 0) throw Error(path + ": the memo file's header gives a block size of 0");
}

void FptFile::create(const std::string& path, std::uint32_t blockSize) {
    if (blockSize == 0 || blockSize > kMaxBlockSize)
        throw Error(path + ": a memo block size must be 1 to 65535 bytes, not " +
                    std::to_string(blockSize));
    std::string header(kHeaderSize, '\0');
    storeBe32(header.data(), firstBlockFor(blockSize));
    storeBe16(header.data() + 6, static_cast<std::uint16_t>(blockSize));
    // An existing file gets its new header in place before it is cut short: a disk that fills
    // meanwhile leaves a memo file that opens (its old blocks past the header unused), where
    // writing the header into an emptied file could leave none.
    File file = fileExists(path) ? File::open(path, true) : File::create(path);
    file.writeAt(0, header);
    file.truncate(kHeaderSize);
    file.closeChecked();
}

void FptFile::sync() {
    if (writable_) file_.sync();
}

std::uint32_t FptFile::firstBlock() const {
    return firstBlockFor(blockSize_);
}

std::uint32_t FptFile::readNextFree() const {
    char bytes[4];
    file_.readExact(0, bytes, sizeof bytes, "the memo file's header");
    const std::uint32_t next = loadBe32(bytes);
    // A next free block past the file's last block would have writes leave a gap of any size.
    if (next < firstBlock() || next > blocksFor(file_.size()))
        throw Error(path() + ": the memo file's header gives " + std::to_string(next) +
                    " as the next free block, outside the file");
    return next;
}

std::string FptFile::read(std::uint32_t block) {
    if (block == 0) return {};
    if (block < firstBlock()) memo::fail(file_, block, "lies inside the memo file's header");
    const std::uint64_t offset = offsetOf(block);
    std::string start = memo::readStart(file_, offset, block);
    if (start.size() < kBlockHeaderSize) memo::fail(file_, block, "runs past the end of the file");
    const std::uint32_t length = loadBe32(start.data() + 4);
    return memo::counted(file_, block, offset, std::move(start), kBlockHeaderSize, length);
}

std::uint32_t FptFile::write(std::uint32_t oldBlock, std::string_view text) {
    if (!writable_) throw Error(path() + ": the memo file is open for reading only");
    if (text.empty()) return 0;
    if (text.size() > std::numeric_limits<std::uint32_t>::max() - kBlockHeaderSize)
        throw Error(path() + ": a memo of " + std::to_string(text.size()) +
                    " bytes is too long for a memo file");
    const std::uint64_t blocks = blocksFor(kBlockHeaderSize + text.size());
    file_.lockBytes(blockLock(), true);
    std::uint32_t block = 0;
    try {
        block = place(oldBlock, blocks, text);
    } catch (...) {
        file_.unlockBytes(blockLock());
        throw;
    }
    file_.unlockBytes(blockLock());
    return block;
}

std::uint32_t FptFile::place(std::uint32_t oldBlock, std::uint64_t blocks, std::string_view text) {
    const std::uint32_t nextFree = readNextFree();
    if (fitsInPlace(oldBlock, blocks, nextFree)) {
        store(oldBlock, blocks, text);
        return oldBlock;
    }
    if (nextFree + blocks > std::numeric_limits<std::uint32_t>::max())
        throw Error(path() + ": the memo file is full");
    // The memo goes in before the header moves on, so that an interrupted write leaves the
    // file as it was.
    store(nextFree, blocks, text);
    char bytes[4];
    storeBe32(bytes, static_cast<std::uint32_t>(nextFree + blocks));
    file_.writeAt(0, bytes, sizeof bytes);
    return nextFree;
}

bool FptFile::fitsInPlace(std::uint32_t oldBlock, std::uint64_t blocks,
                          std::uint32_t nextFree) const {
    if (oldBlock < firstBlock() || oldBlock >= nextFree) return false;
    char header[kBlockHeaderSize];
    if (file_.readAt(offsetOf(oldBlock), header, kBlockHeaderSize) != kBlockHeaderSize)
        return false;
    // The old memo's blocks must lie below the next free block, or a later append would
    // overwrite what is written here.
    const std::uint64_t oldBlocks = blocksFor(kBlockHeaderSize + loadBe32(header + 4));
    return blocks <= oldBlocks && oldBlock + oldBlocks <= nextFree;
}

void FptFile::store(std::uint32_t block, std::uint64_t blocks, std::string_view text) {
    std::string bytes(static_cast<std::size_t>(blocks * blockSize_), '\0');
    storeBe32(bytes.data(), kTextType);
    storeBe32(bytes.data() + 4, static_cast<std::uint32_t>(text.size()));
    std::memcpy(bytes.data() + kBlockHeaderSize, text.data(), text.size());
    file_.writeAt(offsetOf(block), bytes);
}

}  // namespace xbase
