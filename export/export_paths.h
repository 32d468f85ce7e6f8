#pragma once
// The files of an export and of its hand-off.

#include "calc/kalkulace.h"
#include "calc/text.h"

namespace ek::exporter {

// Edit1 + INF_jmeno_souboru + ".xls", joined as they are.
calc::Text exportPath(const calc::Kalkulace& state);

// `name` with every blank replaced by "_".
calc::Text underscoredName(calc::Text name);

// INF_dokumenty + the underscored INF_jmeno_souboru + ".xls": a relative name,
// so the copy lands in the current directory.
calc::Text copyPath(const calc::Kalkulace& state);

}  // namespace ek::exporter
