#pragma once
// An allocator for the large buffers of tag builds (keys, record numbers, sort items): blocks
// of 2 MB or more are mapped on their own, aligned to 2 MB, and marked for huge pages, which
// cuts the page faults of filling them and the TLB misses of sorting them. Smaller blocks come
// from the heap. Elements made without a value are not zeroed (see construct).
#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace xbase {

namespace hugepages {

// Blocks from this size on are mapped.
inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

void* allocate(std::size_t bytes);
void release(void* block, std::size_t bytes);

}  // namespace hugepages

template <class T>
class HugePageAllocator {
  public:
    using value_type = T;

    HugePageAllocator() = default;
    template <class U>
    HugePageAllocator(const HugePageAllocator<U>&) {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(hugepages::allocate(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) { hugepages::release(p, n * sizeof(T)); }

    // An element made without a value is left unset rather than zeroed: every buffer of a tag
    // build is written before it is read, and zeroing first would write it twice.
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const HugePageAllocator<U>&) const {
        return true;
    }
};

}  // namespace xbase
