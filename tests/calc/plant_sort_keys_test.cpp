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

}  // namespace
}  // namespace ek::calc

namespace ek::calc {
namespace {

// A long list is sorted in two halves side by side and merged: the result
// must be the order of the definition, by name with the collator alone, then
// by number. Names alike but for case, accents, blanks and characters the
// byte keys do not know ("ß", "ø", "’") fall on both sides of the split.
TEST(PlantSortKeysLong, HalvesMergedGiveTheOrderOfTheDefinition) {
    const std::array<std::u16string_view, 12> stems{
        u"Acer",   u"acer",   u"Ácer",       u"Acer palmatum",    u"Acer-palmatum",
        u"chmel",  u"Cypřiš", u"Straußgras", u"Rosa ’Nostalgie’", u"Rosa 'Nostalgie'",
        u"Sørbus", u"Zerav"};
    const std::size_t count = 9001;
    const std::size_t width = plantKeyWidth(count);
    TextList keys;
    for (std::size_t row = 1; row <= count; ++row) {
        const std::u16string_view stem = stems[(row * 7919) % stems.size()];
        keys.push_back(Text(stem) + zeroPadded(static_cast<std::int64_t>(row), width));
    }
    const CzechCollation collation;
    TextList expected = keys;
    std::stable_sort(expected.begin(), expected.end(), [&](const Text& a, const Text& b) {
        const std::u16string_view left(a), right(b);
        const int byName = collation.collatorCompare(left.substr(0, a.size() - width),
                                                     right.substr(0, b.size() - width));
        if (byName != 0)
            return byName < 0;
        return left.substr(a.size() - width) < right.substr(b.size() - width);
    });
    sortPlantKeys(keys, collation);
    EXPECT_EQ(keys, expected);
}

}  // namespace
}  // namespace ek::calc

namespace ek::calc {
namespace {

// Sorted as the definition says, with the collator alone.
TextList sortedByDefinition(TextList keys, const CzechCollation& collation) {
    const std::size_t width = plantKeyWidth(keys.size());
    std::stable_sort(keys.begin(), keys.end(), [&](const Text& a, const Text& b) {
        const std::size_t cutA = a.size() - std::min(width, a.size());
        const std::size_t cutB = b.size() - std::min(width, b.size());
        const std::u16string_view left(a), right(b);
        const int byName = collation.collatorCompare(left.substr(0, cutA), right.substr(0, cutB));
        if (byName != 0)
            return byName < 0;
        return left.substr(cutA) < right.substr(cutB);
    });
    return keys;
}

// Long names that first differ far beyond their first few words, in Czech
// letters, accents and case, many of them alike but for the number, and
// some twice with the same number: the order of the definition all the same.
// Long enough that each half is sorted in several pieces, merged.
TEST(PlantSortKeysLong, NamesThatDifferLateInTheirKeys) {
    const std::array<std::u16string_view, 4> genera{u"Chamaecyparis", u"chamaecyparis",
                                                    u"Čimičufuga", u"Rhododendron"};
    const std::array<std::u16string_view, 5> cultivars{u"Řepík", u"řepik", u"Chrpa", u"Hrachor",
                                                       u"Cibule"};
    const std::size_t count = 20000;
    const std::size_t width = plantKeyWidth(count);
    TextList keys;
    for (std::size_t row = 1; row <= count; ++row) {
        const std::size_t bits = row * 2654435761u;
        Text name = Text(genera[bits % 4]) + u" lawsoniana 'Výběr " +
                    zeroPadded(static_cast<std::int64_t>((bits >> 3) % 97), 2) + u"' - " +
                    Text(cultivars[(bits >> 11) % 5]);
        const std::int64_t number =
            row % 10 == 0 ? static_cast<std::int64_t>(row - 1) : static_cast<std::int64_t>(row);
        keys.push_back(name + zeroPadded(number, width));
    }
    const CzechCollation collation;
    const TextList expected = sortedByDefinition(keys, collation);
    sortPlantKeys(keys, collation);
    EXPECT_EQ(keys, expected);
}

// Names that each go one letter further than the last ("a", "aa", ...): the
// keys part one at a time, thousands of bytes deep.
TEST(PlantSortKeysLong, KeysThatPartOneByOne) {
    const std::size_t count = 2500;
    const std::size_t width = plantKeyWidth(count);
    TextList keys;
    for (std::size_t row = 1; row <= count; ++row) {
        const std::size_t letters = (row * 7919) % count + 1;
        keys.push_back(Text(letters, u'a') + zeroPadded(static_cast<std::int64_t>(row), width));
    }
    const CzechCollation collation;
    const TextList expected = sortedByDefinition(keys, collation);
    sortPlantKeys(keys, collation);
    EXPECT_EQ(keys, expected);
}

}  // namespace
}  // namespace ek::calc
