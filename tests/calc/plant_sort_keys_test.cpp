// The order of the plant sort keys: by name (Czech, ignoring case), equal
// names by the row number at the key's end; lists in order, out of order,
// and keys shorter than the number width.

#include "calc/plant_sort_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "calc/whole_number.h"

namespace ek::calc {
namespace {

struct SortCase {
    const char* name;
    TextList keys;
    TextList sorted;
};

class PlantSortKeys : public ::testing::TestWithParam<SortCase> {};

TEST_P(PlantSortKeys, Order) {
    TextList keys = GetParam().keys;
    sortPlantKeys(keys, CzechCollation());
    EXPECT_EQ(keys, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PlantSortKeys,
    ::testing::Values(
        SortCase{"AlreadyInOrder",
                 {u"Acer001", u"Betula002", u"Tilia003"},
                 {u"Acer001", u"Betula002", u"Tilia003"}},
        SortCase{"Reversed",
                 {u"Tilia001", u"Betula002", u"Acer003"},
                 {u"Acer003", u"Betula002", u"Tilia001"}},
        SortCase{"InOrderButTheLast",
                 {u"Acer001", u"Betula002", u"Abies003"},
                 {u"Abies003", u"Acer001", u"Betula002"}},
        SortCase{"EqualNamesByNumber",
                 {u"lípa003", u"Lípa001", u"lípa002"},
                 {u"Lípa001", u"lípa002", u"lípa003"}},
        SortCase{"NameDecidesBeforeNumber", {u"Acer a001", u"Acer002"}, {u"Acer002", u"Acer a001"}},
        SortCase{"CzechLetters",
                 {u"chmel001", u"hrušeň002", u"čilimník003", u"cypřiš004"},
                 {u"cypřiš004", u"čilimník003", u"hrušeň002", u"chmel001"}},
        SortCase{"EmptyNames", {u"b001", u"002", u"a003"}, {u"002", u"a003", u"b001"}},
        SortCase{"ShorterThanTheWidth", {u"b001", u"7", u"a003"}, {u"7", u"a003", u"b001"}}),
    [](const ::testing::TestParamInfo<SortCase>& info) { return info.param.name; });

// A thousand keys and more use four digits; the whole list ends in order
// whichever way it starts.
TEST(PlantSortKeysWide, FourDigitNumbers) {
    TextList keys;
    for (int row = 1200; row >= 1; --row) {
        const std::u16string name = row % 2 == 0 ? u"Acer" : u"acer";
        keys.push_back(name + zeroPadded(row, 4));
    }
    sortPlantKeys(keys, CzechCollation());
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(keys[i].substr(4), zeroPadded(static_cast<std::int64_t>(i) + 1, 4)) << i;
}

// Names alike but for case, accents, blanks and signs, in Czech letters,
// some twice with the same number: by name as the comparison orders them,
// then by number, equal keys in their order.
TEST(PlantSortKeysLong, OrderOfTheComparison) {
    const std::array<std::u16string_view, 14> stems{u"Acer",
                                                    u"acer",
                                                    u"Ácer",
                                                    u"Acer palmatum",
                                                    u"Acer-palmatum",
                                                    u"chmel",
                                                    u"Cypřiš",
                                                    u"Straußgras",
                                                    u"Rosa ’Nostalgie’",
                                                    u"Rosa 'Nostalgie'",
                                                    u"Sørbus",
                                                    u"Zerav",
                                                    u"Řepík",
                                                    u"řepik"};
    const std::size_t count = 3001;
    const std::size_t width = plantKeyWidth(count);
    TextList keys;
    for (std::size_t row = 1; row <= count; ++row) {
        const std::size_t bits = row * 2654435761u;
        const Text name =
            Text(stems[bits % stems.size()]) + u" " + Text(stems[(bits >> 8) % stems.size()]);
        const std::size_t number = row % 10 == 0 ? row - 1 : row;
        keys.push_back(name + zeroPadded(static_cast<std::int64_t>(number), width));
    }
    const CzechCollation collation;
    TextList expected = keys;
    std::stable_sort(expected.begin(), expected.end(), [&](const Text& a, const Text& b) {
        const PlantKeyParts left = splitPlantKey(a, width);
        const PlantKeyParts right = splitPlantKey(b, width);
        const int byName = collation.compare(left.name, right.name);
        return byName != 0 ? byName < 0 : left.number < right.number;
    });
    sortPlantKeys(keys, collation);
    EXPECT_EQ(keys, expected);
}

}  // namespace
}  // namespace ek::calc
