#pragma once
// Little- and big-endian integers in file bytes, whatever the machine's own order. The DBF
// header, index pages and FoxPro's memo blocks store little-endian numbers; index record
// numbers and FPT headers big-endian ones.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace xbase {

namespace byteorder {

template <typename T>
T load(const void* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <typename T>
void store(void* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

template <typename T>
T swapped(T v) {
    if constexpr (sizeof(T) == 2) return __builtin_bswap16(v);
    if constexpr (sizeof(T) == 4) return __builtin_bswap32(v);
    if constexpr (sizeof(T) == 8) return __builtin_bswap64(v);
}

template <typename T>
T fromLe(T v) {
    return std::endian::native == std::endian::little ? v : swapped(v);
}

template <typename T>
T fromBe(T v) {
    return std::endian::native == std::endian::big ? v : swapped(v);
}

}  // namespace byteorder

inline std::uint16_t loadLe16(const void* p) {
    return byteorder::fromLe(byteorder::load<std::uint16_t>(p));
}
inline std::uint32_t loadLe32(const void* p) {
    return byteorder::fromLe(byteorder::load<std::uint32_t>(p));
}
inline std::uint64_t loadLe64(const void* p) {
    return byteorder::fromLe(byteorder::load<std::uint64_t>(p));
}
inline std::uint16_t loadBe16(const void* p) {
    return byteorder::fromBe(byteorder::load<std::uint16_t>(p));
}
inline std::uint32_t loadBe32(const void* p) {
    return byteorder::fromBe(byteorder::load<std::uint32_t>(p));
}
inline std::uint64_t loadBe64(const void* p) {
    return byteorder::fromBe(byteorder::load<std::uint64_t>(p));
}

inline void storeLe16(void* p, std::uint16_t v) {
    byteorder::store(p, byteorder::fromLe(v));
}
inline void storeLe32(void* p, std::uint32_t v) {
    byteorder::store(p, byteorder::fromLe(v));
}
inline void storeLe64(void* p, std::uint64_t v) {
    byteorder::store(p, byteorder::fromLe(v));
}
inline void storeBe16(void* p, std::uint16_t v) {
    byteorder::store(p, byteorder::fromBe(v));
}
inline void storeBe32(void* p, std::uint32_t v) {
    byteorder::store(p, byteorder::fromBe(v));
}
inline void storeBe64(void* p, std::uint64_t v) {
    byteorder::store(p, byteorder::fromBe(v));
}

// The first `bytes` bytes (0 to 8) at p as a little-endian number, for the packed fields of
// index pages and the short integers of some field types.
inline std::uint64_t loadLe(const void* p, std::size_t bytes) {
    const auto* b = static_cast<const unsigned char*>(p);
    std::uint64_t v = 0;
    for (std::size_t i = bytes; i > 0; --i) v = v << 8 | b[i - 1];
    return v;
}

// The low `bytes` bytes (0 to 8) of v at p, little-endian.
inline void storeLe(void* p, std::size_t bytes, std::uint64_t v) {
    auto* b = static_cast<unsigned char*>(p);
    for (std::size_t i = 0; i < bytes; ++i) b[i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace xbase
