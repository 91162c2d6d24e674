#pragma once
// An allocator for the large buffers of tag builds (keys, record numbers, sort items): blocks
// of 2 MB or more are mapped on their own, aligned to 2 MB, and marked for huge pages, which
// cuts the page faults of filling them and the TLB misses of sorting them. Smaller blocks come
// from the heap.
#include <cstddef>
#include <new>

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

    template <class U>
    bool operator==(const HugePageAllocator<U>&) const {
        return true;
    }
};

}  // namespace xbase
