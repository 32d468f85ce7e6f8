#pragma once
// Counts the bytes held through operator new, and their peak, in the
// benchmark programs that link allocation_meter.cpp (which replaces the
// global operator new and delete): the peak memory of one operation.
// Blocks that C code takes with malloc are not counted.

#include <cstddef>

namespace ek::bench {

std::size_t liveAllocatedBytes();
std::size_t peakAllocatedBytes();
// From now on the peak starts again at what is live.
void restartAllocationPeak();

}  // namespace ek::bench
