#include "xbase/internal/MemoFile.h"

#include "xbase/internal/DbtFile.h"
#include "xbase/internal/FptFile.h"

namespace xbase {

std::unique_ptr<MemoFile> MemoFile::open(const std::string& path, MemoKind kind, bool writable) {
    if (kind == MemoKind::Fpt) return std::make_unique<FptFile>(path, writable);
    return std::make_unique<DbtFile>(path, kind);
}

void MemoFile::createFpt(const std::string& path, std::uint32_t blockSize) {
    FptFile::create(path, blockSize);
}

}  // namespace xbase
