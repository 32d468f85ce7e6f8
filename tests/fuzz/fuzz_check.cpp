#include "fuzz/fuzz_check.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace ek::fuzz {

void fail(std::string_view property, std::string_view detail) {
    const std::string property_text(property);
    const std::string detail_text(detail);
    std::fprintf(stderr, "fuzz property failed: %s\n", property_text.c_str());
    if (!detail_text.empty())
        std::fprintf(stderr, "  %s\n", detail_text.c_str());
    std::abort();
}

}  // namespace ek::fuzz
