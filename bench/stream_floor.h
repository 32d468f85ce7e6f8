#pragma once
// The floor a piece of work's memory traffic sets on this machine: the
// bytes the work leaves on the heap, written in stages the size of what it
// reads, each stage reading the one before (the first reads a stand-in for
// the work's input, made once and read again on every run, as the
// benchmarks' inputs are) and nothing else done. How this floor grows when
// the items double is how far the machine's caches let any such work grow
// linearly: once the stages no longer fit them, every byte costs more.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace ek::bench {

class StreamFloor {
  public:
    // Reads `inputBytes` and writes `bytes` (in stages of inputBytes, the
    // last one shorter).
    StreamFloor(std::size_t inputBytes, std::size_t bytes);

    // Makes and writes the stages; returns a word of them so that the work
    // cannot be left out.
    std::uint64_t run();
    // Frees the stages, as the benchmarks keep freeing the work's
    // structures out of its time.
    void release() { stages_.clear(); }

  private:
    std::size_t stageWords_;
    std::size_t words_;
    std::unique_ptr<std::uint64_t[]> input_;
    std::vector<std::unique_ptr<std::uint64_t[]>> stages_;
};

}  // namespace ek::bench
