// What a user waits for: the command-line export of a material list as a
// whole (reading the file, building the workbook, saving it beside the list),
// and the save alone; at 2 000 items, a large garden, and at 65 530, the most
// a worksheet holds.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli_export.h"
#include "bench/material_list.h"
#include "bench/one_file_platform.h"
#include "bench/reading.h"
#include "bench/scratch_folder.h"
#include "calc/kalkulace.h"
#include "export/generovat_tabulku.h"
#include "platform/platform.h"
#include "xls/io/save_as.h"
#include "xls/model/workbook.h"

namespace ek::bench {
namespace {

constexpr int kPlantNameMode = 2;  // "oba", the mode the tool starts in

void writeFile(const std::filesystem::path& path, const platform::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// export-kalkulace --export FILE (with --cisla when the second argument is
// 1), in this process: the file read from the disk and the workbook written
// beside it.
void BM_CommandLineExport(benchmark::State& state) {
    const ScratchFolder folder("command-line-export");
    const std::filesystem::path list = folder.path() / "Projekt.txt";
    writeFile(list, materialList(shapeWithPlants(static_cast<int>(state.range(0)))));
    platform::SystemPlatformOptions options;
    options.messageSink = [](const std::u16string&) {};  // no host folders here
    const auto system = platform::makeSystemPlatform(std::move(options));
    const app::ExportCommand command{folder.withSeparator() + u"Projekt.txt", kPlantNameMode,
                                     state.range(1) == 1};
    for (auto _ : state) {
        std::ostringstream out, errors;
        if (app::runExport(command, *system, u',', out, errors) != 0)
            state.SkipWithError(errors.str().c_str());
    }
    state.counters["bytes"] =
        static_cast<double>(std::filesystem::file_size(folder.path() / "Projekt.xls"));
}

// The save alone, as "Export XLS" does it: a built workbook into a new file.
void BM_Save(benchmark::State& state) {
    OneFilePlatform platform(u"Projekt.txt",
                             materialList(shapeWithPlants(static_cast<int>(state.range(0)))));
    calc::Kalkulace reading(platform, u',');
    readThroughPrevod(reading, u"/Material Lists/", kPlantNameMode);
    xls::TXLSWorkbook workbook;
    exporter::buildWorkbook(workbook, reading);
    const ScratchFolder folder("save");
    const std::u16string file = folder.withSeparator() + u"Projekt.xls";
    for (auto _ : state) {
        if (xls::SaveAs(workbook, file) != xls::SaveResult::Saved)
            state.SkipWithError("the save failed");
    }
}

BENCHMARK(BM_CommandLineExport)
    ->ArgsProduct({{2000, 65530}, {0, 1}})
    ->ArgNames({"items", "cisla"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(2000)->Arg(65530)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ek::bench
