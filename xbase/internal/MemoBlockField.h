#pragma once
// A memo field's bytes in a record: the number of its first block right-aligned in 10
// characters, or 10 blanks when the field has no memo.
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace xbase {

inline void putMemoBlock(char* field, std::uint32_t block) {
    char buf[16];
    if (block == 0)
        std::memset(buf, ' ', 10);
    else
        std::snprintf(buf, sizeof buf, "%10u", block);
    std::memcpy(field, buf, 10);
}

}  // namespace xbase
