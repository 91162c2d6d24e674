#include "xbase/internal/HugePages.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace xbase::hugepages {

namespace {

std::size_t roundUp(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* allocate(std::size_t bytes) {
    if (bytes < kHugePage) {
        if (void* p = std::malloc(bytes == 0 ? 1 : bytes)) return p;
        throw std::bad_alloc();
    }
    const std::size_t size = roundUp(bytes);
    // One huge page more than needed, so that an aligned start lies inside; the rest is let go.
    void* mapped = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start) ::munmap(mapped, aligned - start);
    const std::uintptr_t end = start + size + kHugePage;
    if (end > aligned + size)
        ::munmap(reinterpret_cast<void*>(aligned + size), end - aligned - size);
    void* block = reinterpret_cast<void*>(aligned);
    ::madvise(block, size, MADV_HUGEPAGE);  // only advice: without it the block still works
    return block;
}

void release(void* block, std::size_t bytes) {
    if (bytes < kHugePage)
        std::free(block);
    else
        ::munmap(block, roundUp(bytes));
}

}  // namespace xbase::hugepages
