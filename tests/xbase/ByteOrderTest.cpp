#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "xbase/internal/ByteOrder.h"

namespace {

using namespace xbase;

// Every fixed-size load reads these bytes, and every store writes them back.
const std::string kBytes("\x01\x02\x03\x04\xF5\xF6\xF7\xF8", 8);

struct FixedCase {
    const char* name;
    std::uint64_t (*load)(const void*);
    void (*store)(void*, std::uint64_t);
    std::size_t size;
    std::uint64_t value;
};

const FixedCase kFixedCases[] = {
    {"little 16", [](const void* p) -> std::uint64_t { return loadLe16(p); },
     [](void* p, std::uint64_t v) { storeLe16(p, static_cast<std::uint16_t>(v)); }, 2, 0x0201},
    {"little 32", [](const void* p) -> std::uint64_t { return loadLe32(p); },
     [](void* p, std::uint64_t v) { storeLe32(p, static_cast<std::uint32_t>(v)); }, 4, 0x04030201},
    {"little 64", [](const void* p) { return loadLe64(p); },
     [](void* p, std::uint64_t v) { storeLe64(p, v); }, 8, 0xF8F7F6F504030201},
    {"big 16", [](const void* p) -> std::uint64_t { return loadBe16(p); },
     [](void* p, std::uint64_t v) { storeBe16(p, static_cast<std::uint16_t>(v)); }, 2, 0x0102},
    {"big 32", [](const void* p) -> std::uint64_t { return loadBe32(p); },
     [](void* p, std::uint64_t v) { storeBe32(p, static_cast<std::uint32_t>(v)); }, 4, 0x01020304},
    {"big 64", [](const void* p) { return loadBe64(p); },
     [](void* p, std::uint64_t v) { storeBe64(p, v); }, 8, 0x01020304F5F6F7F8},
};

TEST(ByteOrder, FixedSizesLoadAndStoreTheirBytesInTheirOrder) {
    for (const FixedCase& c : kFixedCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.load(kBytes.data()), c.value);
        // A store writes its own bytes and no others.
        std::string out(10, '\xEE');
        c.store(out.data() + 1, c.value);
        EXPECT_EQ(out, "\xEE" + kBytes.substr(0, c.size) + std::string(9 - c.size, '\xEE'));
    }
}

TEST(ByteOrder, LoadsNeedNoAlignment) {
    const std::string shifted = "x" + kBytes;
    EXPECT_EQ(loadLe32(shifted.data() + 1), 0x04030201u);
    EXPECT_EQ(loadBe32(shifted.data() + 1), 0x01020304u);
}

struct CountedCase {
    std::size_t bytes;
    std::uint64_t value;
};

TEST(ByteOrder, CountedLittleEndianTakesThatManyBytes) {
    const CountedCase cases[] = {
        {0, 0}, {1, 0x01}, {3, 0x030201}, {5, 0xF504030201}, {8, 0xF8F7F6F504030201},
    };
    for (const CountedCase& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(loadLe(kBytes.data(), c.bytes), c.value);
        std::string out(9, '\xEE');
        // Only the low bytes are written, whatever the value holds above them.
        const std::uint64_t above = c.bytes < 8 ? ~std::uint64_t{0} << (8 * c.bytes) : 0;
        storeLe(out.data(), c.bytes, c.value | above);
        EXPECT_EQ(out, kBytes.substr(0, c.bytes) + std::string(9 - c.bytes, '\xEE'));
    }
}

}  // namespace
