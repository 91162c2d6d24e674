#pragma once
// A single index file (IDX, compact): one tag in a file of its own, its header at offset 0.
#include <memory>
#include <string>

#include "xbase/internal/IndexPages.h"
#include "xbase/internal/IndexTag.h"

namespace xbase {

class IdxFile {
  public:
    // Creates an empty index (overwriting any file of that name); the definition's name is
    // not used. Fill it with tag().build or tag().insert.
    static IdxFile create(const std::string& path, const TagDefinition& definition);
    // Opens an index. Throws Error naming the file when it is not a compact single index.
    static IdxFile open(const std::string& path, bool writable,
                        KeyType keyType = KeyType::Character);

    const std::string& path() const { return pages_->path(); }
    IndexTag& tag() { return *tag_; }
    const IndexTag& tag() const { return *tag_; }
    void sync() { pages_->sync(); }

    // Catches up with changes that other opens made to the file (see IndexPages::catchUp);
    // returns whether it changed since the last refresh.
    bool refresh();

  private:
    explicit IdxFile(File file);

    std::unique_ptr<IndexPages> pages_;
    std::unique_ptr<IndexTag> tag_;
    std::uint64_t generation_ = 0;  // the pages' generation at the last refresh
};

}  // namespace xbase
