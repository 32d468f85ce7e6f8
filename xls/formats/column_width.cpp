#include "xls/formats/column_width.h"

#include <cmath>

namespace xls {

std::optional<std::uint16_t> ColumnWidthUnits(double characters) {
    if (std::isnan(characters) || characters < 0.0) {
        return std::nullopt;
    }
    const double width =
        characters > kMaxColumnWidthCharacters ? kMaxColumnWidthCharacters : characters;
    if (width >= 1.0) {
        const double whole = std::trunc(width);
        const double fraction = std::nearbyint(256.0 * (width - whole));
        return static_cast<std::uint16_t>(256.0 * whole + 182.0 + fraction);
    }
    return static_cast<std::uint16_t>(std::nearbyint(256.0 * width * 1.8));
}

double ColumnWidthCharacters(std::uint16_t units) {
    const double characters = units < 438 ? units / 460.8 : (units - 182.0) / 256.0;
    return std::round(characters * 100.0) / 100.0;
}

}  // namespace xls
