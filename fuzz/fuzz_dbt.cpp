// Opens any bytes as a dBase III and as a dBase IV memo file and reads memos at block numbers
// taken from them.
#include "fuzz/MemoFuzzInput.h"
#include "xbase/Error.h"
#include "xbase/internal/MemoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile scratch("dbt");
    const std::string& path = scratch.write(data, size);
    const std::vector<std::uint32_t> blocks = blockNumbers(data, size);
    for (xbase::MemoKind kind : {xbase::MemoKind::Dbt3, xbase::MemoKind::Dbt4}) {
        try {
            auto memo = xbase::MemoFile::open(path, kind, false);
            for (std::uint32_t block : blocks) {
                try {
                    memo->read(block);
                } catch (const xbase::Error&) {
                }
            }
        } catch (const xbase::Error&) {
        }
    }
    return 0;
}
