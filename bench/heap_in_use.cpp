#include "bench/heap_in_use.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ek::bench {

std::size_t heapBytesInUse() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#else
    return 0;
#endif
}

}  // namespace ek::bench
