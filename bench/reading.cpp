#include "bench/reading.h"

#include "calc/czech_collation.h"

namespace ek::bench {

void readThroughPrevod(calc::Kalkulace& state, const platform::Path& folder, int plantNameMode) {
    state.Edit1 = folder;
    if (state.FileListBox1.folder != folder)
        state.FileListBox1.pointAt(state.platform(), folder, calc::CzechCollation());
    state.FileListBox1.itemIndex = 0;
    state.RadioGroup2 = plantNameMode;
    state.Prevod();
}

}  // namespace ek::bench
