// The save of workbooks in the export's layout that are already in memory:
// eight worksheets of 8 192 rows, and one worksheet of 65 536 rows, each
// with five text columns; against one fwrite of the same bytes. Reports the
// size written and the peak of the memory taken during the save.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "bench/allocation_meter.h"
#include "bench/category_table.h"
#include "bench/plain_write.h"
#include "bench/scratch_folder.h"
#include "export/category_sheet_layout.h"
#include "export/category_sheets.h"
#include "xls/io/save_as.h"
#include "xls/model/workbook.h"

namespace ek::bench {
namespace {

// Title, header, subtotal and project total rows around the items.
constexpr int kRowsBesideItems = 4;

std::unique_ptr<xls::TXLSWorkbook> workbookOf(int sheets, int rowsPerSheet) {
    auto workbook = std::make_unique<xls::TXLSWorkbook>();
    const calc::TextGrid table = categoryTable(rowsPerSheet - kRowsBesideItems);
    for (int index = 0; index < sheets; ++index) {
        const exporter::CategorySheet& sheet =
            exporter::kCategorySheets[static_cast<std::size_t>(index)];
        xls::IXLSWorksheet& worksheet = workbook->Worksheets().Add();
        worksheet.SetName(sheet.sheetName);
        exporter::layOutCategorySheet(worksheet, sheet, table, u" 1 234 567,89");
    }
    return workbook;
}

void BM_SaveAs(benchmark::State& state) {
    const auto workbook =
        workbookOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const ScratchFolder folder("save");
    const std::u16string file = folder.withSeparator() + u"Sešit.xls";
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = liveAllocatedBytes();
        restartAllocationPeak();
        if (xls::SaveAs(*workbook, file) != xls::SaveResult::Saved)
            state.SkipWithError("the save failed");
        peak = std::max(peak, peakAllocatedBytes() - before);
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(folder.path() / u8"Sešit.xls"));
    state.counters["peak_save_MiB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
}

void BM_SaveToMemory(benchmark::State& state) {
    const auto workbook =
        workbookOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes;
        if (xls::SaveToMemory(*workbook, bytes) != xls::SaveResult::Saved)
            state.SkipWithError("the save failed");
        benchmark::DoNotOptimize(bytes.data());
    }
}

void fwriteSameBytes(benchmark::State& state, Durability durability) {
    const auto workbook =
        workbookOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<std::uint8_t> bytes;
    xls::SaveToMemory(*workbook, bytes);
    const ScratchFolder folder("fwrite");
    const std::string file = (folder.path() / "plain.xls").string();
    for (auto _ : state) {
        if (!writeWithFwrite(file, bytes, durability))
            state.SkipWithError("the write failed");
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_Fwrite(benchmark::State& state) {
    fwriteSameBytes(state, Durability::Buffered);
}
// The save also waits until its file is on the disk.
void BM_FwriteSynced(benchmark::State& state) {
    fwriteSameBytes(state, Durability::Synced);
}

BENCHMARK(BM_SaveAs)
    ->ArgNames({"sheets", "rows"})
    ->Args({8, 8192})
    ->Args({1, 65536})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToMemory)
    ->ArgNames({"sheets", "rows"})
    ->Args({8, 8192})
    ->Args({1, 65536})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Fwrite)
    ->ArgNames({"sheets", "rows"})
    ->Args({8, 8192})
    ->Args({1, 65536})
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_FwriteSynced)
    ->ArgNames({"sheets", "rows"})
    ->Args({8, 8192})
    ->Args({1, 65536})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ek::bench
