// Opens any bytes as an FPT memo file, reads memos at block numbers taken from them, then
// stores memos and checks that each reads back as written.
#include <algorithm>
#include <string>

#include "fuzz/MemoFuzzInput.h"
#include "xbase/Error.h"
#include "xbase/internal/MemoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch("fpt");
    const std::string& path = scratch.write(data, size);
    const std::vector<std::uint32_t> blocks = blockNumbers(data, size);
    try {
        auto memo = xbase::MemoFile::open(path, xbase::MemoKind::Fpt, false);
        for (std::uint32_t block : blocks) {
            try {
                memo->read(block);
            } catch (const xbase::Error&) {
            }
        }
        memo = xbase::MemoFile::open(path, xbase::MemoKind::Fpt, true);
        const std::string text(reinterpret_cast<const char*>(data),
                               std::min<std::size_t>(size, 300));
        for (std::uint32_t old : blocks) {
            const std::string part = text.substr(old % (text.size() + 1));
            if (memo->read(memo->write(old, part)) != part) __builtin_trap();
        }
    } catch (const xbase::Error&) {
    }
    return 0;
}
