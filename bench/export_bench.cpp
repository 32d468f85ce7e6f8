// The export alone, on a finished reading: GenerovatTabulku's two halves,
// building the workbook model and saving it, and the plain write of the
// same bytes that the save is held against.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "bench/category_table.h"
#include "bench/heap_in_use.h"
#include "bench/material_list.h"
#include "bench/one_file_platform.h"
#include "bench/plain_write.h"
#include "bench/reading.h"
#include "bench/scratch_folder.h"
#include "bench/stream_floor.h"
#include "calc/categories.h"
#include "calc/kalkulace.h"
#include "export/generovat_tabulku.h"
#include "platform/unicode.h"
#include "xls/io/save_as.h"
#include "xls/model/workbook.h"
#include "xls/model/worksheets.h"

namespace ek::bench {
namespace {

constexpr int kPlantNameMode = 2;  // "oba", the mode the tool starts in

// A material list of `plants` plants read through Prevod.
class Reading {
  public:
    explicit Reading(int plants)
        : platform_(u"Projekt.txt", materialList(shapeWithPlants(plants))),
          state_(platform_, u',') {
        readThroughPrevod(state_, u"/Material Lists/", kPlantNameMode);
    }
    const calc::Kalkulace& state() const { return state_; }

  private:
    OneFilePlatform platform_;
    calc::Kalkulace state_;
};

std::size_t storedCells(const xls::TXLSWorkbook& workbook) {
    std::size_t cells = 0;
    for (int i = 1; i <= workbook.Worksheets().Count(); ++i)
        cells += workbook.Worksheets().Item(i)->CellHeap().Count();
    return cells;
}

// Model building: every worksheet filled and formatted. Freeing the
// workbook is not timed.
void BM_BuildWorkbook(benchmark::State& state) {
    const Reading reading(static_cast<int>(state.range(0)));
    std::size_t cells = 0;
    for (auto _ : state) {
        auto workbook = std::make_unique<xls::TXLSWorkbook>();
        exporter::buildWorkbook(*workbook, reading.state());
        state.PauseTiming();
        cells = storedCells(*workbook);
        workbook.reset();
        state.ResumeTiming();
    }
    state.counters["cells"] = static_cast<double>(cells);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cells));
}

// The floor of the model building's memory traffic (no target of its own):
// the category tables' cells read and the workbook's heap written, in
// stages.
void BM_BuildWorkbookStreamFloor(benchmark::State& state) {
    const Reading reading(static_cast<int>(state.range(0)));
    std::size_t tablesBytes = 0;
    for (std::size_t c = 0; c < calc::kCategoryCount; ++c)
        tablesBytes += tableBytes(reading.state().categoryTable(c));
    const std::size_t workbookBytes = heapBytesHeldBy([&] {
        auto workbook = std::make_unique<xls::TXLSWorkbook>();
        exporter::buildWorkbook(*workbook, reading.state());
        return workbook;
    });
    measureStreamFloor(state, tablesBytes, workbookBytes);
}

// The save as GenerovatTabulku does it: a new file beside the material list.
void BM_SaveWorkbook(benchmark::State& state) {
    const Reading reading(static_cast<int>(state.range(0)));
    xls::TXLSWorkbook workbook;
    exporter::buildWorkbook(workbook, reading.state());
    const ScratchFolder folder("save-workbook");
    const std::u16string file = folder.withSeparator() + u"Projekt.xls";
    for (auto _ : state) {
        if (xls::SaveAs(workbook, file) != xls::SaveResult::Saved)
            state.SkipWithError("the save failed");
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(folder.path() / "Projekt.xls"));
}

// The same save into memory: the writer's own work, without the file system.
void BM_SaveWorkbookToMemory(benchmark::State& state) {
    const Reading reading(static_cast<int>(state.range(0)));
    xls::TXLSWorkbook workbook;
    exporter::buildWorkbook(workbook, reading.state());
    std::size_t size = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes;
        if (xls::SaveToMemory(workbook, bytes) != xls::SaveResult::Saved)
            state.SkipWithError("the save failed");
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

// The bytes the save writes, put into a new file with one fwrite; the save
// also waits until its file is on the disk, so that is measured too.
void fwriteSameBytes(benchmark::State& state, Durability durability) {
    const Reading reading(static_cast<int>(state.range(0)));
    xls::TXLSWorkbook workbook;
    exporter::buildWorkbook(workbook, reading.state());
    std::vector<std::uint8_t> bytes;
    xls::SaveToMemory(workbook, bytes);
    const ScratchFolder folder("fwrite");
    const std::string file = (folder.path() / "Projekt.xls").string();
    for (auto _ : state) {
        if (!writeWithFwrite(file, bytes, durability))
            state.SkipWithError("the write failed");
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_FwriteSameBytes(benchmark::State& state) {
    fwriteSameBytes(state, Durability::Buffered);
}
void BM_FwriteSameBytesSynced(benchmark::State& state) {
    fwriteSameBytes(state, Durability::Synced);
}

// GenerovatTabulku whole: build, save, free.
void BM_GenerovatTabulku(benchmark::State& state) {
    const Reading reading(static_cast<int>(state.range(0)));
    const ScratchFolder folder("generovat");
    const std::u16string file = folder.withSeparator() + u"Projekt.xls";
    for (auto _ : state) {
        xls::TXLSWorkbook workbook;
        exporter::buildWorkbook(workbook, reading.state());
        if (xls::SaveAs(workbook, file) != xls::SaveResult::Saved)
            state.SkipWithError("the save failed");
    }
}

const std::vector<std::int64_t> kPlants{8192, 16384, 32768, 65530};

BENCHMARK(BM_BuildWorkbook)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildWorkbookStreamFloor)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWorkbook)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWorkbookToMemory)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FwriteSameBytes)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FwriteSameBytesSynced)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerovatTabulku)
    ->ArgName("plants")
    ->ArgsProduct({kPlants})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ek::bench
