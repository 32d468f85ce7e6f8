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

TEST(StringTable, HashIsTimes33ThenPlusOneThirtySecond) {
    EXPECT_EQ(TXLSStringTable::Hash(u""), 0U);
    // "ab": 97 * 33 + 98 = 3299; 3299 + 3299 / 32 = 3402.
    EXPECT_EQ(TXLSStringTable::Hash(u"ab"), 3402U);
    // Wraps at 32 bits: 0xFFFF * 33 ... over eight units.
    std::uint32_t h = 0;
    for (int i = 0; i < 8; ++i) {
        h = h * 33U + 0xFFFFU;
    }
    EXPECT_EQ(TXLSStringTable::Hash(std::u16string(8, u'\xFFFF')), h + h / 32U);
    // Texts of every length around the four-unit steps.
    std::u16string text;
    for (int length = 0; length < 11; ++length) {
        std::uint32_t expected = 0;
        for (const char16_t unit : text) {
            expected = expected * 33U + unit;
        }
        EXPECT_EQ(TXLSStringTable::Hash(text), expected + expected / 32U) << length;
        text += static_cast<char16_t>(0xF00D + 977 * length);
    }
}

TEST(StringTable, HashNotingLineFeedHashesAlikeAndFindsEveryLineFeed) {
    // Units close to the line feed in either byte, and a line feed at every
    // place of texts around the four-unit steps.
    const std::u16string nearMisses = u"\x000B\x0009\x0A00\x010A\x800A\x0A0A\xFFFF\x8000\x7FFF";
    for (std::size_t length = 0; length <= nearMisses.size(); ++length) {
        const std::u16string text = nearMisses.substr(0, length);
        bool lineFeed = true;
        EXPECT_EQ(TXLSStringTable::HashNotingLineFeed(text, lineFeed), TXLSStringTable::Hash(text));
        EXPECT_FALSE(lineFeed) << length;
        for (std::size_t place = 0; place < length; ++place) {
            std::u16string withLineFeed = text;
            withLineFeed[place] = u'\n';
            EXPECT_EQ(TXLSStringTable::HashNotingLineFeed(withLineFeed, lineFeed),
                      TXLSStringTable::Hash(withLineFeed));
            EXPECT_TRUE(lineFeed) << length << ", " << place;
        }
    }
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

TEST(StringTable, GrowsInBlocksOfAHundredAndFreesSurplusBlocks) {
    TXLSStringTable table;
    for (int i = 1; i <= 99; ++i) {
        table.Add(TextOf(i));
    }
    EXPECT_EQ(table.BlockCount(), 1U);  // numbers 0..99
    table.Add(TextOf(100));
    EXPECT_EQ(table.BlockCount(), 2U);
    for (int i = 101; i <= 450; ++i) {
        table.Add(TextOf(i));
    }
    EXPECT_EQ(table.BlockCount(), 5U);
    // Releasing from the top: blocks go once more than 200 slots stand empty.
    for (int i = 450; i >= 300; --i) {
        table.Release(i);
    }
    EXPECT_EQ(table.HighestNumber(), 299);
    EXPECT_EQ(table.BlockCount(), 5U);  // 500 slots, 0..299 in use: 200 empty
    table.Release(299);
    EXPECT_EQ(table.BlockCount(), 3U);  // 201 empty: back to what 0..298 needs
    for (int i = 298; i >= 249; --i) {
        table.Release(i);
    }
    EXPECT_EQ(table.BlockCount(), 3U);
    EXPECT_EQ(table.Add(u"new"), 249);
    for (int i = 1; i < 249; ++i) {
        EXPECT_EQ(table.Text(i), TextOf(i));
    }
}

TEST(StringTable, BucketsDoubleWhenEntriesExceedBucketsMinusOne) {
    TXLSStringTable table;
    EXPECT_EQ(table.BucketCount(), 8U);
    for (int i = 1; i <= 8; ++i) {
        table.Add(TextOf(i));
    }
    EXPECT_EQ(table.BucketCount(), 8U);
    table.Add(TextOf(9));  // 8 entries > 7 before this insertion
    EXPECT_EQ(table.BucketCount(), 16U);
    for (int i = 10; i <= 1000; ++i) {
        table.Add(TextOf(i));
    }
    EXPECT_EQ(table.BucketCount(), 1024U);
    for (int i = 1; i <= 1000; ++i) {
        ASSERT_EQ(table.Find(TextOf(i)), i);
    }
}

// Room made ahead: one step to the bucket count the doubling would reach
// for that many entries; none when there is room; every text still found.
TEST(StringTable, RoomForMoreTextsIsMadeInOneStep) {
    TXLSStringTable table;
    for (int i = 1; i <= 5; ++i) {
        table.Add(TextOf(i));
    }
    table.ReserveForMore(2);  // 7 entries fit in 8 buckets
    EXPECT_EQ(table.BucketCount(), 8U);
    table.ReserveForMore(1000);  // 1 005 entries: 1 024 buckets, as doubling gives
    EXPECT_EQ(table.BucketCount(), 1024U);
    for (int i = 6; i <= 1005; ++i) {
        table.Add(TextOf(i));
    }
    EXPECT_EQ(table.BucketCount(), 1024U);
    for (int i = 1; i <= 1005; ++i) {
        ASSERT_EQ(table.Find(TextOf(i)), i);
    }
    table.ReserveForMore(1019);  // 2 024 entries
    EXPECT_EQ(table.BucketCount(), 2048U);
    for (int i = 1006; i <= 2049; ++i) {
        table.Add(TextOf(i));
    }
    EXPECT_EQ(table.BucketCount(), 4096U);  // and doubling as before
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
    // Texts of one hash each ("Aa"/"B@" pairs of pairs) pile up in chains;
    // releasing heads, middles and ends, then growing, loses none.
    const std::u16string pieces[] = {u"Aa", u"B@"};
    std::vector<std::u16string> texts;
    for (int i = 0; i < 64; ++i) {
        std::u16string text;
        for (int bit = 0; bit < 6; ++bit) {
            text += pieces[(i >> bit) & 1];
        }
        texts.push_back(text);
    }
    ASSERT_EQ(TXLSStringTable::Hash(texts[0]), TXLSStringTable::Hash(texts[63]));
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
