#include "xls/model/string_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xls {
namespace {

std::u16string TextOf(int i) {
    const std::string digits = "t" + std::to_string(i);
    return std::u16string(digits.begin(), digits.end());
}

TEST(StringTable, NumbersFromOneAndCountsReferences) {
    TXLSStringTable table;
    EXPECT_EQ(table.Add(u"a"), 1);
    EXPECT_EQ(table.Add(u"b"), 2);
    EXPECT_EQ(table.Add(u"a"), 1);
    EXPECT_EQ(table.Add(u"A"), 3);  // case-sensitive
    EXPECT_EQ(table.ReferenceCount(1), 2U);
    EXPECT_EQ(table.TotalReferences(), 4U);
    EXPECT_EQ(table.DistinctCount(), 3U);
    EXPECT_EQ(table.Text(3), u"A");
    EXPECT_EQ(table.Find(u"b"), 2);
    EXPECT_EQ(table.Find(u"c"), 0);
}

TEST(StringTable, FreedNumbersAreReusedLastFreedFirst) {
    TXLSStringTable table;
    for (int i = 1; i <= 5; ++i) {
        table.Add(TextOf(i));
    }
    table.Release(2);
    table.Release(4);
    EXPECT_EQ(table.FreeNumberCount(), 2U);
    EXPECT_EQ(table.Text(2), u"");
    EXPECT_EQ(table.Find(TextOf(2)), 0);
    EXPECT_EQ(table.Add(u"x"), 4);
    EXPECT_EQ(table.Add(u"y"), 2);
    EXPECT_EQ(table.Add(u"z"), 6);
    EXPECT_EQ(table.DistinctCount(), 6U);
}

TEST(StringTable, ReleasingTheHighestNumberLowersIt) {
    TXLSStringTable table;
    table.Add(u"a");
    table.Add(u"b");
    table.Release(2);
    EXPECT_EQ(table.HighestNumber(), 1);
    EXPECT_EQ(table.FreeNumberCount(), 0U);
    EXPECT_EQ(table.Add(u"c"), 2);
    // A freed number below the highest stays on the stack when the highest
    // goes, and is given out first.
    table.Add(u"d");
    table.Release(2);
    table.Release(3);
    EXPECT_EQ(table.HighestNumber(), 2);
    EXPECT_EQ(table.Add(u"e"), 2);
    EXPECT_EQ(table.Add(u"f"), 3);
    EXPECT_EQ(table.Text(3), u"f");
}

TEST(StringTable, ReleaseIgnoresNumbersWithoutReferences) {
    TXLSStringTable table;
    table.Add(u"a");
    table.Add(u"b");
    table.Release(0);
    table.Release(3);
    table.Release(-1);
    EXPECT_EQ(table.TotalReferences(), 2U);
    table.Release(1);
    table.Release(1);  // already free: must not lower the total again
    EXPECT_EQ(table.TotalReferences(), 1U);
    EXPECT_EQ(table.DistinctCount(), 1U);
    EXPECT_EQ(table.FreeNumberCount(), 1U);
}

TEST(StringTable, CollidingTextsStayApart) {
    // Equal length, same hash: "Aa" and "B@" (65*33+97 = 66*33+64).
    ASSERT_EQ(TXLSStringTable::Hash(u"Aa"), TXLSStringTable::Hash(u"B@"));
    TXLSStringTable table;
    EXPECT_EQ(table.Add(u"Aa"), 1);
    EXPECT_EQ(table.Add(u"B@"), 2);
    table.Release(1);
    EXPECT_EQ(table.Find(u"B@"), 2);
    EXPECT_EQ(table.Find(u"Aa"), 0);
}

TEST(StringTable, ChainsKeepEveryTextThroughReleasesAndGrowth) {
    // Texts of one hash ("Aa"/"B@" pairs of pairs) follow each other in the
    // index; releasing some of them, then growing it, loses none.
    const std::u16string pieces[] = {u"Aa", u"B@"};
    std::vector<std::u16string> texts;
    for (int i = 0; i < 64; ++i) {
        std::u16string text;
        for (int bit = 0; bit < 6; ++bit) {
            text += pieces[(i >> bit) & 1];
        }
        texts.push_back(text);
    }
    TXLSStringTable table;
    std::vector<std::int32_t> numbers;
    for (const std::u16string& text : texts) {
        numbers.push_back(table.Add(text));
    }
    for (std::size_t i = 0; i < texts.size(); i += 3) {
        table.Release(numbers[i]);
    }
    for (int i = 0; i < 200; ++i) {
        table.Add(TextOf(i));  // the buckets double several times
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(table.Find(texts[i]), i % 3 == 0 ? 0 : numbers[i]) << i;
    }
    for (std::size_t i = 0; i < texts.size(); i += 3) {
        EXPECT_GT(table.Add(texts[i]), 0);
        EXPECT_EQ(table.Find(texts[i]), table.Add(texts[i]));
    }
}

TEST(StringTable, WrittenPositionsSkipFreeSlots) {
    TXLSStringTable table;
    for (int i = 1; i <= 5; ++i) {
        table.Add(TextOf(i));
    }
    table.Add(TextOf(3));
    table.Release(2);
    EXPECT_EQ(table.AssignWrittenPositions(), 4U);
    EXPECT_EQ(table.WrittenPosition(1), 0);
    EXPECT_EQ(table.WrittenPosition(2), -1);
    EXPECT_EQ(table.WrittenPosition(3), 1);
    EXPECT_EQ(table.WrittenPosition(5), 3);
    std::vector<std::int32_t> numbers;
    std::vector<std::uint32_t> counts;
    table.ForEachLive([&](std::int32_t number, std::u16string_view, std::uint32_t references) {
        numbers.push_back(number);
        counts.push_back(references);
    });
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{1, 3, 4, 5}));
    EXPECT_EQ(counts, (std::vector<std::uint32_t>{1, 2, 1, 1}));
    EXPECT_EQ(table.TotalReferences(), 5U);
}

TEST(StringTable, TextsSurviveTheRepackingOfFreedSpace) {
    // Many texts come and go; the survivors must keep their exact texts.
    TXLSStringTable table;
    std::vector<std::int32_t> kept;
    for (int round = 0; round < 40; ++round) {
        std::vector<std::int32_t> passing;
        for (int i = 0; i < 500; ++i) {
            passing.push_back(table.Add(TextOf(round * 1000 + i) + std::u16string(30, u'.')));
        }
        kept.push_back(table.Add(TextOf(-round)));
        for (std::int32_t number : passing) {
            table.Release(number);
        }
    }
    EXPECT_EQ(table.DistinctCount(), 40U);
    for (int round = 0; round < 40; ++round) {
        EXPECT_EQ(table.Text(kept[static_cast<std::size_t>(round)]), TextOf(-round));
        EXPECT_EQ(table.Find(TextOf(-round)), kept[static_cast<std::size_t>(round)]);
    }
    // A text handed back from the table itself is stored safely.
    const std::int32_t copy = table.Add(table.Text(kept[0]));
    EXPECT_EQ(copy, kept[0]);
    EXPECT_EQ(table.ReferenceCount(copy), 2U);
}

}  // namespace
}  // namespace xls
