#include "xbase/internal/IdxFile.h"

namespace xbase {

IdxFile::IdxFile(File file) : pages_(std::make_unique<IndexPages>(std::move(file))) {}

IdxFile IdxFile::create(const std::string& path, const TagDefinition& definition) {
    const TagHeader header = tagHeaderFor(definition, kTagCompact, path);
    IdxFile idx(File::create(path));
    idx.tag_ = std::make_unique<IndexTag>(
        IndexTag::create(*idx.pages_, 0, header, std::string(), definition.keyType));
    return idx;
}

IdxFile IdxFile::open(const std::string& path, bool writable, KeyType keyType) {
    IdxFile idx(File::open(path, writable));
    if (idx.pages_->pageCount() * kIndexPageSize < kTagHeaderSize)
        idx.pages_->fail("too short for a single index");
    idx.tag_ = std::make_unique<IndexTag>(*idx.pages_, 0, std::string(), keyType);
    if ((idx.tag_->header().options & kTagCompound) != 0)
        idx.pages_->fail("a compound index, not a single index");
    return idx;
}

bool IdxFile::refresh() {
    pages_->catchUp();
    if (generation_ == pages_->generation()) return false;
    generation_ = pages_->generation();
    return true;
}

}  // namespace xbase
