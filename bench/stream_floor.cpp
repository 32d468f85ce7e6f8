#include "bench/stream_floor.h"

#include <algorithm>
#include <numeric>

namespace ek::bench {

namespace {

constexpr std::size_t kWord = sizeof(std::uint64_t);

// Each word of `from` plus one, not a plain copy: a copy of this size may go
// round the cache (non-temporal stores), which no structure being built does.
void nextStage(const std::uint64_t* from, std::uint64_t* to, std::size_t words) {
    for (std::size_t i = 0; i < words; ++i)
        to[i] = from[i] + 1;
}

}  // namespace

StreamFloor::StreamFloor(std::size_t inputBytes, std::size_t bytes)
    : stageWords_(std::max<std::size_t>(1, inputBytes / kWord)),
      words_(bytes / kWord),
      input_(std::make_unique<std::uint64_t[]>(stageWords_)) {
    std::iota(input_.get(), input_.get() + stageWords_, std::uint64_t{0});
}

std::uint64_t StreamFloor::run() {
    const std::uint64_t* previous = input_.get();
    std::uint64_t seen = 0;
    for (std::size_t left = words_; left > 0;) {
        const std::size_t words = std::min(stageWords_, left);
        auto stage = std::make_unique_for_overwrite<std::uint64_t[]>(words);
        nextStage(previous, stage.get(), words);
        seen += stage[words / 2];
        previous = stage.get();
        stages_.push_back(std::move(stage));
        left -= words;
    }
    return seen;
}

}  // namespace ek::bench
