#pragma once
// Reading a file's mapping safely when another program may cut the file short meanwhile.
// Touching a mapped page that lies wholly past the file's end raises SIGBUS, which would end
// the process. A handler installed with the first watched mapping turns that fault into
// something the reader can report:
// - a copy made with copyFromMapping() jumps back out of the copy, which returns false;
// - any other read of a watched mapping (records read in place) gets a page of zeros in place
//   of the missing one and carries on; the mapping's flag says it was cut short, and the reader
//   checks the flag once it is done with the bytes, before it trusts what it formed from them.
// Faults anywhere else take the action that was in place before (ending the process).
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace xbase {

// Watches the mapping of size bytes at begin: a fault in it sets *cutShort (which must stay put
// while watched). false when too many mappings are watched already; the mapping should then
// not be read.
bool watchMapping(const void* begin, std::uint64_t size, std::atomic<bool>* cutShort);
// Stops watching the mapping at begin, before it is unmapped.
void unwatchMapping(const void* begin);

// Copies n bytes from a watched mapping; false when some of them lay past the file's end.
bool copyFromMapping(void* out, const void* from, std::size_t n);

}  // namespace xbase
