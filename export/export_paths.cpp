#include "export/export_paths.h"

#include <algorithm>

namespace ek::exporter {

calc::Text exportPath(const calc::Kalkulace& state) {
    return state.Edit1 + state.INF_jmeno_souboru + u".xls";
}

calc::Text underscoredName(calc::Text name) {
    std::replace(name.begin(), name.end(), u' ', u'_');
    return name;
}

calc::Text copyPath(const calc::Kalkulace& state) {
    return state.INF_dokumenty + underscoredName(state.INF_jmeno_souboru) + u".xls";
}

}  // namespace ek::exporter
