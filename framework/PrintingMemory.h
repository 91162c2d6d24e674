#pragma once
// Qt's PDF writer frees its buffers after every page and allocates them again for the next;
// with the allocator's default padding and trimming, each page then grows the heap and gives
// the memory back to the system (half the processor time of a label run, measured). The
// programs that print keep freed memory for reuse instead, which costs a few megabytes at most.
namespace rp {

// Sets the allocator to keep freed memory; call once at the start of the process.
void keepFreedMemoryForReuse();

}  // namespace rp
