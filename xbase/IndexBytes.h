#pragma once
// Little- and big-endian integers in index file buffers.
#include <cstddef>
#include <cstdint>

namespace xbase {

inline std::uint32_t getLe(const std::uint8_t* p, std::size_t bytes) {
    std::uint32_t v = 0;
    for (std::size_t i = bytes; i > 0; --i) v = v << 8 | p[i - 1];
    return v;
}

inline void putLe(std::uint8_t* p, std::size_t bytes, std::uint64_t v) {
    for (std::size_t i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::uint32_t getBe32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

inline void putBe32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

}  // namespace xbase
