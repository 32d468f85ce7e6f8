#include "bench/stream_floor.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <numeric>
#include <vector>

namespace ek::bench {

namespace {

constexpr std::size_t kWord = sizeof(std::uint64_t);
constexpr double kMiB = 1024.0 * 1024.0;

class StreamFloor {
  public:
    StreamFloor(std::size_t inputBytes, std::size_t bytes)
        : stageWords_(std::max<std::size_t>(1, inputBytes / kWord)),
          words_(bytes / kWord),
          input_(std::make_unique<std::uint64_t[]>(stageWords_)) {
        std::iota(input_.get(), input_.get() + stageWords_, std::uint64_t{0});
    }

    // Makes and writes the stages (stageWords_ each, the last one shorter);
    // returns a word of them so that the work cannot be left out.
    std::uint64_t run() {
        const std::uint64_t* previous = input_.get();
        std::uint64_t seen = 0;
        for (std::size_t left = words_; left > 0;) {
            const std::size_t words = std::min(stageWords_, left);
            auto stage = std::make_unique_for_overwrite<std::uint64_t[]>(words);
            // Each word plus one, not a plain copy: a copy of this size may
            // go round the cache (non-temporal stores), which no structure
            // being built does.
            for (std::size_t i = 0; i < words; ++i)
                stage[i] = previous[i] + 1;
            seen += stage[words / 2];
            previous = stage.get();
            stages_.push_back(std::move(stage));
            left -= words;
        }
        return seen;
    }
    void release() { stages_.clear(); }

  private:
    std::size_t stageWords_;
    std::size_t words_;
    std::unique_ptr<std::uint64_t[]> input_;
    std::vector<std::unique_ptr<std::uint64_t[]>> stages_;
};

}  // namespace

void measureStreamFloor(benchmark::State& state, std::size_t inputBytes, std::size_t bytes) {
    StreamFloor floor(inputBytes, bytes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(floor.run());
        state.PauseTiming();
        floor.release();
        state.ResumeTiming();
    }
    state.counters["read_MiB"] = static_cast<double>(inputBytes) / kMiB;
    state.counters["written_MiB"] = static_cast<double>(bytes) / kMiB;
}

}  // namespace ek::bench
