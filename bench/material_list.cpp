#include "bench/material_list.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace ek::bench {

namespace {

using Line = std::u16string;

constexpr char16_t kTab = u'\t';
constexpr char16_t kNoBreakSpace = u'\u00A0';

// Spreads the bits of an item number, so that neighbouring items get unlike
// names and the plant sorting has real work to do.
std::uint64_t mixed(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

Line decimal(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    return Line(digits.begin(), digits.end());
}

Line zeroPadded(std::uint64_t value, std::size_t width) {
    Line digits = decimal(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), u'0');
    return digits;
}

// 125000 -> "1 250,00 Kč" with a no-break space between the thousands.
Line money(std::uint64_t hundredths) {
    const Line whole = decimal(hundredths / 100);
    Line grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += kNoBreakSpace;
        grouped += whole[i];
    }
    return grouped + u',' + zeroPadded(hundredths % 100, 2) + u" Kč";
}

Line itemLine(std::u16string_view name, std::u16string_view quantity, std::uint64_t unitPrice,
              std::uint64_t count) {
    return Line(name) + kTab + Line(quantity) + kTab + money(unitPrice) + kTab +
           money(unitPrice * count);
}

constexpr std::array<std::u16string_view, 16> kGenera{
    u"Acer",  u"Betula", u"Carpinus", u"Cornus",  u"Fagus", u"Hydrangea", u"Juniperus", u"Malus",
    u"Picea", u"Pinus",  u"Prunus",   u"Quercus", u"Rosa",  u"Sorbus",    u"Taxus",     u"Tilia"};
constexpr std::array<std::u16string_view, 16> kSpecies{
    u"campestre", u"pendula",   u"betulus", u"mas",    u"sylvatica", u"macrophylla",
    u"communis",  u"domestica", u"abies",   u"mugo",   u"avium",     u"robur",
    u"canina",    u"aucuparia", u"baccata", u"cordata"};
constexpr std::array<std::u16string_view, 16> kCzechNames{
    u"javor babyka", u"bříza bělokorá", u"habr obecný",    u"dřín obecný",
    u"buk lesní",    u"hortenzie",      u"jalovec obecný", u"jabloň domácí",
    u"smrk ztepilý", u"borovice kleč",  u"třešeň ptačí",   u"dub letní",
    u"růže šípková", u"jeřáb ptačí",    u"tis červený",    u"lípa srdčitá"};

// "Acer campestre 'Výběr 17' - javor babyka": a first and a second name at
// the joiner; about half of the plants carry a numbered cultivar, so that
// the names are partly distinct and partly repeated.
Line plantName(std::uint64_t bits) {
    Line name = Line(kGenera[bits % 16]) + u' ' + Line(kSpecies[(bits >> 4) % 16]);
    if ((bits >> 8) % 2 == 1)
        name += u" 'Výběr " + decimal((bits >> 9) % 4096) + u"'";
    return name + u" - " + Line(kCzechNames[(bits >> 21) % 16]);
}

Line plantLine(int number) {
    const std::uint64_t bits = mixed(static_cast<std::uint64_t>(number));
    // Ten characters the tool drops, the plant name, one character it drops.
    const Line field = u"Pol " + zeroPadded(static_cast<std::uint64_t>(number) % 100000, 5) + u' ' +
                       plantName(bits) + u';';
    const std::uint64_t count = 1 + (bits >> 25) % 40;
    const std::uint64_t unitPrice = 2900 + (bits >> 31) % 250000;
    return itemLine(field, decimal(count), unitPrice, count);
}

struct OtherCategory {
    std::u16string_view header;
    std::u16string_view itemName;
    std::u16string_view unit;  // empty for pieces
};

constexpr std::array<OtherCategory, 7> kOtherCategories{{
    {u"Ostatní objekty zahrady", u"Lavička (dřevo/kov)", u""},
    {u"Stavba", u"Dlažba 30/30 cm – žulová", u" m²"},
    {u"Bazén", u"Bazén fóliový 6 × 3 m", u""},
    {u"Objekty s vodou", u"Jezírko s fólií (PVC/EPDM)", u""},
    {u"Terén", u"Trávník výsevem", u" m²"},
    {u"Silnice", u"Příjezdová cesta – zámková dlažba", u" m²"},
    {u"Nástroje", u"Lampa", u""},
}};

Line otherLine(const OtherCategory& category, int number) {
    const std::uint64_t bits = mixed(0x10000000ULL + static_cast<std::uint64_t>(number));
    const std::uint64_t count = 1 + bits % 25;
    const std::uint64_t unitPrice = 4500 + (bits >> 8) % 1500000;
    const Line name = Line(category.itemName) + u' ' + decimal(static_cast<std::uint64_t>(number));
    return itemLine(name, decimal(count) + Line(category.unit), unitPrice, count);
}

void appendLine(std::u16string& text, std::u16string_view line) {
    text += line;
    text += u"\r\n";
}

platform::Bytes utf16LittleEndianWithMark(std::u16string_view text) {
    platform::Bytes bytes;
    bytes.reserve(2 + 2 * text.size());
    bytes.push_back(0xFF);
    bytes.push_back(0xFE);
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

}  // namespace

MaterialListShape shapeWithPlants(int plants) {
    return {plants, std::max(1, plants / 64)};
}

platform::Bytes materialList(const MaterialListShape& shape) {
    std::u16string text;
    appendLine(text, u"Zahrada – zkušební projekt");
    appendLine(text, u"Rostliny projektu zahrady");
    for (int number = 1; number <= shape.plants; ++number)
        appendLine(text, plantLine(number));
    int number = 0;
    for (const OtherCategory& category : kOtherCategories) {
        appendLine(text, category.header);
        for (int item = 0; item < shape.itemsPerCategory; ++item)
            appendLine(text, otherLine(category, ++number));
    }
    appendLine(text, u"Konec");
    return utf16LittleEndianWithMark(text);
}

}  // namespace ek::bench
