#include "calc/plant_name.h"

#include <cstddef>

namespace ek::calc {

namespace {

constexpr std::size_t kPrefixLength = 10;
constexpr std::size_t kTrailerLength = 1;
constexpr std::u16string_view kJoiner = u" - ";

std::u16string_view firstName(std::u16string_view plantName) {
    const std::size_t joiner = plantName.rfind(kJoiner);
    if (joiner == std::u16string_view::npos || joiner == 0)
        return plantName;
    return plantName.substr(0, joiner);
}

std::u16string_view secondName(std::u16string_view plantName) {
    const std::size_t joiner = plantName.find(kJoiner);
    if (joiner == std::u16string_view::npos || joiner == 0)
        return plantName;
    return plantName.substr(joiner + kJoiner.size());
}

}  // namespace

std::u16string_view plantNameFromField(std::u16string_view field) {
    if (field.size() < kPrefixLength + kTrailerLength + 1)
        return {};
    return field.substr(kPrefixLength, field.size() - kPrefixLength - kTrailerLength);
}

std::u16string_view shownPlantName(std::u16string_view plantName, PlantNameMode mode) {
    switch (mode) {
        case PlantNameMode::Prvni:
            return firstName(plantName);
        case PlantNameMode::Druhy:
            return secondName(plantName);
        case PlantNameMode::Oba:
            break;
    }
    return plantName;
}

}  // namespace ek::calc
