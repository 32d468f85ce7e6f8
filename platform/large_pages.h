#pragma once
// Memory of the running process.

namespace ek::platform {

// Lets the heap be backed by the system's large pages where it offers them
// (Linux with the GNU C library and transparent huge pages on request): a
// large export touches tens of megabytes once, and with 4 KiB pages each of
// them costs a page fault and a translation-cache miss. Call once, at the
// start of the program, before the memory is needed. Elsewhere it does
// nothing.
void preferLargeMemoryPages();

}  // namespace ek::platform
