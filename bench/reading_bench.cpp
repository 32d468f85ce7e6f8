// The reading of a material list through Prevod: line reader, splitting,
// category index, the eight category builders and the plant sorting, in
// each plant-name mode, for growing numbers of plants.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "bench/heap_in_use.h"
#include "bench/material_list.h"
#include "bench/one_file_platform.h"
#include "bench/reading.h"
#include "bench/stream_floor.h"
#include "calc/kalkulace.h"

namespace ek::bench {
namespace {

constexpr char16_t kFolder[] = u"/Material Lists/";

// One fresh working state per reading, as the command line has; making it
// and freeing it are not timed.
void BM_Prevod(benchmark::State& state) {
    const int plants = static_cast<int>(state.range(0));
    const int mode = static_cast<int>(state.range(1));
    const platform::Bytes list = materialList(shapeWithPlants(plants));
    OneFilePlatform platform(u"Projekt.txt", list);
    std::optional<calc::Kalkulace> working;
    for (auto _ : state) {
        state.PauseTiming();
        working.reset();
        working.emplace(platform, u',');
        state.ResumeTiming();
        readThroughPrevod(*working, kFolder, mode);
    }
    state.SetItemsProcessed(state.iterations() * plants);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size()));
    state.counters["plants"] = plants;
}

const std::vector<std::int64_t> kPlants{8192, 16384, 32768, 65530};

BENCHMARK(BM_Prevod)
    ->ArgNames({"plants", "mode"})
    ->ArgsProduct({kPlants, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// The floor of the same reading's memory traffic (no target of its own): the
// bytes a reading leaves in the working state, streamed in stages of the
// list's size. Its growth is the machine's, beside the reading's.
void BM_PrevodStreamFloor(benchmark::State& state) {
    const int plants = static_cast<int>(state.range(0));
    const platform::Bytes list = materialList(shapeWithPlants(plants));
    OneFilePlatform platform(u"Projekt.txt", list);
    const std::size_t stateBytes = heapBytesHeldBy([&] {
        auto working = std::make_unique<calc::Kalkulace>(platform, u',');
        readThroughPrevod(*working, kFolder, 1);
        return working;
    });
    measureStreamFloor(state, list.size(), stateBytes);
}

BENCHMARK(BM_PrevodStreamFloor)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ek::bench
