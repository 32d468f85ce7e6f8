#include "xls/formats/palette.h"

#include <cstdlib>

namespace xls {

namespace {
// The default colours 8..63 of [MS-XLS].
constexpr std::array<std::uint32_t, TXLSPalette::kColorCount> kDefaultColors{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

constexpr int kMaxDistance = 768;
}  // namespace

TXLSPalette::TXLSPalette() {
    for (std::size_t i = 0; i < colors_.size(); ++i) {
        const std::uint32_t rgb = kDefaultColors[i];
        colors_[i] = Rgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                         static_cast<std::uint8_t>(rgb)};
    }
}

Rgb TXLSPalette::Color(int colorIndex) const {
    if (colorIndex < 1 || colorIndex > kColorCount) {
        return colors_[0];
    }
    return colors_[static_cast<std::size_t>(colorIndex - 1)];
}

void TXLSPalette::SetColor(int colorIndex, Rgb color) {
    if (colorIndex >= 1 && colorIndex <= kColorCount) {
        colors_[static_cast<std::size_t>(colorIndex - 1)] = color;
    }
}

int TXLSPalette::NearestColorIndex(std::uint32_t rgb) const {
    const int red = static_cast<int>(rgb & 0xFF);
    const int green = static_cast<int>((rgb >> 8) & 0xFF);
    const int blue = static_cast<int>((rgb >> 16) & 0xFF);
    int best = 1;
    int bestDistance = kMaxDistance;
    for (int index = 1; index <= kColorCount; ++index) {
        const Rgb color = Color(index);
        const int distance =
            std::abs(color.red - red) + std::abs(color.green - green) + std::abs(color.blue - blue);
        if (distance == 0) {
            return index;
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = index;
        }
    }
    return best;
}

}  // namespace xls
