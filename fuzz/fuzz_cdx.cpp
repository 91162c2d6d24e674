// Opens any bytes as a CDX file and walks every tag from end to end in both directions, seeks,
// counts and checks it, then adds and removes an entry in a writable open. Damaged input may
// only end in xbase::Error; a walk that outruns the entries the file could hold is a hang.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "xbase/Error.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/IndexCursor.h"

namespace {

// The file each input is written to, removed when the fuzzer exits.
struct ScratchCdx {
    const std::string path = "/tmp/ravenpost-fuzz-" + std::to_string(::getpid()) + ".cdx";
    ~ScratchCdx() { std::remove(path.c_str()); }
};

const std::string& scratchPath() {
    static const ScratchCdx scratch;
    return scratch.path;
}

void walk(const xbase::IndexTag& tag, bool forward) {
    // A leaf holds at most (512 - 24) entries of one byte each.
    const std::uint64_t limit = (tag.pageCount() + 1) * xbase::kIndexPageSize;
    xbase::IndexCursor c(tag);
    std::uint64_t steps = 0;
    for (bool on = forward ? c.first() : c.last(); on; on = forward ? c.next() : c.prev())
        if (++steps > limit) __builtin_trap();
}

template <class Action>
void guarded(Action action) {
    try {
        action();
    } catch (const xbase::Error&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    xbase::File::create(scratchPath()).writeAt(0, data, size);
    const std::string probe(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 6));
    guarded([&] {
        xbase::CdxFile cdx = xbase::CdxFile::open(scratchPath(), false);
        for (std::size_t i = 0; i < cdx.tagCount(); ++i) {
            const xbase::IndexTag& tag = cdx.tag(i);
            guarded([&] { walk(tag, true); });
            guarded([&] { walk(tag, false); });
            guarded([&] { xbase::IndexCursor(tag).seek(probe); });
            guarded([&] { xbase::IndexCursor(tag).seekLast(probe); });
            guarded([&] { tag.keyCount(); });
            guarded([&] { tag.verify(); });
        }
    });
    guarded([&] {
        xbase::CdxFile cdx = xbase::CdxFile::open(scratchPath(), true);
        for (std::size_t i = 0; i < cdx.tagCount() && i < 4; ++i) {
            xbase::IndexTag& tag = cdx.tag(i);
            const std::string key = probe.substr(0, tag.keyLength());
            guarded([&] {
                tag.insert(key, 7);
                tag.remove(key, 7);
                walk(tag, true);
            });
        }
    });
    return 0;
}
