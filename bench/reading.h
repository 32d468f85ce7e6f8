#pragma once
// The reading of a generated material list as a pick in the file list does
// it, for the benchmarks.

#include "bench/one_file_platform.h"
#include "calc/kalkulace.h"

namespace ek::bench {

// Points the material-list file list at `folder` (which ends with "/"),
// selects the platform's one file in it and reads it through Prevod in the
// plant-name mode `plantNameMode` (RadioGroup2).
void readThroughPrevod(calc::Kalkulace& state, const platform::Path& folder, int plantNameMode);

}  // namespace ek::bench
