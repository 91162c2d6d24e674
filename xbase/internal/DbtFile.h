#pragma once
// dBase memo files, read only. dBase III: 512-byte blocks, a memo runs from its block to the
// first 0x1A. dBase IV: the block size (little-endian) at offset 20 of the header, 512 when
// 0; a memo starts with FF FF 08 00 and a little-endian length that counts those 8 bytes.
// A dBase IV block without that mark is read the dBase III way.
#include "xbase/internal/MemoFile.h"

namespace xbase {

class DbtFile final : public MemoFile {
  public:
    // Opens the file for reading whatever the table's mode; throws Error for a header shorter
    // than 512 bytes.
    DbtFile(const std::string& path, MemoKind kind);

    MemoKind kind() const override { return kind_; }
    const std::string& path() const override { return file_.path(); }
    std::uint32_t blockSize() const override { return blockSize_; }

    std::string read(std::uint32_t block) override;
    // Always throws: dBase memo files are not written.
    std::uint32_t write(std::uint32_t oldBlock, std::string_view text) override;
    // Nothing is ever written.
    void sync() override {}  // read only: nothing to flush

  private:
    File file_;
    MemoKind kind_;
    std::uint32_t blockSize_ = 512;
};

}  // namespace xbase
