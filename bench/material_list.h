#pragma once
// Generated material lists, as the host program writes them (UTF-16
// little-endian with a byte-order mark, CR LF, TAB between fields, no-break
// spaces between thousands), for the benchmarks. The same shape always gives
// the same bytes.

#include <cstdint>

#include "platform/platform.h"

namespace ek::bench {

struct MaterialListShape {
    int plants = 0;            // items under "Rostliny projektu zahrady"
    int itemsPerCategory = 0;  // items under each of the seven other headers
};

// `plants` plant items, and a sixty-fourth of that (at least one) in every
// other category: the list of 65 530 plants is about 8 MB.
MaterialListShape shapeWithPlants(int plants);

// The whole file: a project line, the eight category headers in the host's
// order with their items, and a closing line.
platform::Bytes materialList(const MaterialListShape& shape);

}  // namespace ek::bench
