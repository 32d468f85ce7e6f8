// The main of every benchmark program: the process's heap set up as the
// tool sets up its own (see main.cpp), so that the figures are the tool's,
// then Google Benchmark's usual run.

#include <benchmark/benchmark.h>

#include "platform/large_pages.h"

int main(int argc, char** argv) {
    ek::platform::preferLargeMemoryPages();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
