#pragma once
// The floor a piece of work's memory traffic sets on this machine: the
// bytes the work leaves on the heap, written in stages the size of what it
// reads, each stage reading the one before (the first reads a stand-in for
// the work's input, made once and read again on every run, as the
// benchmarks' inputs are) and nothing else done. How this floor grows when
// the items double is how far the machine's caches let any such work grow
// linearly: once the stages no longer fit them, every byte costs more.

#include <benchmark/benchmark.h>

#include <cstddef>

namespace ek::bench {

// Times the floor of work that reads `inputBytes` and leaves `bytes` on
// the heap; freeing the stages is not timed, as freeing the work's
// structures is not.
void measureStreamFloor(benchmark::State& state, std::size_t inputBytes, std::size_t bytes);

}  // namespace ek::bench
