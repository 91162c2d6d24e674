#include "framework/PrintingMemory.h"

#include <malloc.h>

namespace rp {

void keepFreedMemoryForReuse() {
    mallopt(M_TOP_PAD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

}  // namespace rp
