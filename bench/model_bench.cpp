// The workbook model alone: one worksheet of 65 536 rows by five columns of
// texts (half of them distinct) with the export's column formats, its time
// and the heap it holds per stored cell, string table included.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "bench/category_table.h"
#include "bench/heap_in_use.h"
#include "bench/stream_floor.h"
#include "export/category_sheet_layout.h"
#include "export/category_sheets.h"
#include "xls/model/workbook.h"

namespace ek::bench {
namespace {

constexpr int kRowsBesideItems = 4;  // title, header, subtotal, project total

// The workbook the bench fills from `table`.
std::unique_ptr<xls::TXLSWorkbook> filledWorkbook(const calc::TextGrid& table) {
    const exporter::CategorySheet& sheet = exporter::kCategorySheets[0];
    auto workbook = std::make_unique<xls::TXLSWorkbook>();
    xls::IXLSWorksheet& worksheet = workbook->Worksheets().Add();
    worksheet.SetName(sheet.sheetName);
    exporter::layOutCategorySheet(worksheet, sheet, table, u" 1 234 567,89");
    return workbook;
}

void BM_FillSheet(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const calc::TextGrid table = categoryTable(rows - kRowsBesideItems);
    double bytesPerCell = 0;
    std::size_t cells = 0;
    for (auto _ : state) {
        const std::size_t before = heapBytesInUse();
        auto workbook = filledWorkbook(table);
        state.PauseTiming();
        cells = workbook->Worksheets().Item(1)->CellHeap().Count();
        bytesPerCell = static_cast<double>(heapBytesInUse() - before) / static_cast<double>(cells);
        workbook.reset();
        state.ResumeTiming();
    }
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["bytes_per_cell"] = bytesPerCell;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cells));
}

const std::vector<std::int64_t> kRows{8192, 16384, 32768, 65536};

BENCHMARK(BM_FillSheet)->ArgName("rows")->ArgsProduct({kRows})->Unit(benchmark::kMillisecond);

// The floor of the fill's memory traffic (no target of its own): the
// table's cells read and the model's heap written, in stages.
void BM_FillSheetStreamFloor(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    const calc::TextGrid table = categoryTable(rows - kRowsBesideItems);
    const std::size_t modelBytes = heapBytesHeldBy([&] { return filledWorkbook(table); });
    measureStreamFloor(state, tableBytes(table), modelBytes);
}

BENCHMARK(BM_FillSheetStreamFloor)
    ->ArgName("rows")
    ->ArgsProduct({kRows})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ek::bench
