#include "xls/biff/sst_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/biff_reader.h"

namespace {

constexpr std::uint32_t kStreamOffset = 100;  // where the SST record starts

struct Written {
    std::vector<std::uint8_t> bytes;
    std::vector<biff::Record> records;
    biff::Sst sst;
    biff::ExtSst ext;
};

// Writes the strings as an SST at kStreamOffset and reads them back; the
// reader's offsets are made absolute by placing the bytes at that offset.
Written write(const std::vector<std::u16string>& strings, std::uint32_t total = 0) {
    std::vector<std::u16string_view> views(strings.begin(), strings.end());
    xls::RecordList list;
    xls::addSharedStringTable(
        list, kStreamOffset,
        {total == 0 ? static_cast<std::uint32_t>(strings.size()) : total, views});
    Written w;
    w.bytes = list.bytes();
    std::vector<std::uint8_t> placed(kStreamOffset, 0);
    placed.insert(placed.end(), w.bytes.begin(), w.bytes.end());
    // The zero prefix reads as one record of type 0 and length 0 repeated.
    w.records = biff::splitRecords(placed);
    std::size_t sst = 0;
    while (w.records[sst].type != 0x00FC) {
        ++sst;
    }
    w.sst = biff::readSst(w.records, sst);
    w.ext = biff::readExtSst(w.records.back());
    return w;
}

std::u16string letters(std::size_t count, char16_t first = u'a') {
    std::u16string text;
    for (std::size_t i = 0; i < count; ++i) {
        text.push_back(static_cast<char16_t>(first + i % 26));
    }
    return text;
}

std::string hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text += digits;
    }
    text.pop_back();
    return text;
}

void expectReadBack(const Written& w, const std::vector<std::u16string>& strings) {
    EXPECT_TRUE(w.sst.problems.empty()) << w.sst.problems.front().what;
    ASSERT_EQ(w.sst.strings.size(), strings.size());
    for (std::size_t k = 0; k < strings.size(); ++k) {
        ASSERT_EQ(w.sst.strings[k].text, strings[k]) << "string " << k;
    }
    for (const std::size_t length : w.sst.recordDataLengths) {
        EXPECT_LE(length, 8224u);
    }
}

TEST(SstWriter, WritesNothingWithoutStrings) {
    xls::RecordList list;
    xls::addSharedStringTable(list, 0, {0, {}});
    EXPECT_EQ(list.length(), 0u);
}

TEST(SstWriter, SmallTableByteForByte) {
    const std::vector<std::u16string_view> strings{u"A", u"Bc"};
    xls::RecordList list;
    xls::addSharedStringTable(list, 0x40, {3, strings});
    EXPECT_EQ(hex(list.bytes()),
              "FC 00 14 00 03 00 00 00 02 00 00 00 01 00 01 41 00 02 00 01 42 00 63 00 "
              "FF 00 0A 00 08 00 4C 00 00 00 0C 00 00 00");
}

TEST(SstWriter, NineStringsGiveExtSstEntriesForStrings0And8) {
    const std::vector<std::u16string> strings{u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i"};
    const Written w = write(strings);
    expectReadBack(w, strings);
    EXPECT_EQ(w.ext.bucketSize, 8);
    ASSERT_EQ(w.ext.entries.size(), 2u);
    EXPECT_EQ(w.ext.entries[0].streamOffset, kStreamOffset + 12);
    EXPECT_EQ(w.ext.entries[0].recordOffset, 12);
    EXPECT_EQ(w.ext.entries[1].streamOffset, kStreamOffset + 12 + 8 * 5);
    EXPECT_EQ(w.ext.entries[1].recordOffset, 52);
}

TEST(SstWriter, A4200CharacterStringIsCutAfter4106Characters) {
    const std::vector<std::u16string> strings{letters(4200)};
    const Written w = write(strings);
    expectReadBack(w, strings);
    EXPECT_EQ(w.sst.recordDataLengths, (std::vector<std::size_t>{8223, 1 + 2 * 94}));
    EXPECT_EQ(w.sst.strings[0].pieces, 2u);
    // The continued piece starts with its own option byte 0x01.
    const biff::Record& piece = w.records[w.records.size() - 2];
    ASSERT_EQ(piece.type, 0x003C);
    EXPECT_EQ(piece.data[0], 0x01);
    EXPECT_EQ(piece.data[1], 'a' + 4106 % 26);
}

// `count` strings that bring the SST record to `used` bytes: one-character
// strings (5 bytes each) after a first string that takes the rest.
std::vector<std::u16string> fillRecordTo(std::size_t used, std::size_t count) {
    std::vector<std::u16string> strings{letters((used - 12 - 3 - 5 * (count - 1)) / 2)};
    for (std::size_t k = 1; k < count; ++k) {
        strings.push_back(letters(1, static_cast<char16_t>(u'A' + k)));
    }
    return strings;
}

TEST(SstWriter, AStringWithFewerThanFiveBytesLeftStartsInANewRecord) {
    // An even number of bytes left is reached after 8 strings, so the string
    // that starts afresh is string 8 and has an EXTSST entry; an odd number
    // after one string.
    for (const std::size_t left : {4u, 3u, 2u, 1u, 0u}) {
        const std::size_t used = 8228 - left;
        const std::size_t before = left % 2 == 0 ? 8 : 1;
        std::vector<std::u16string> strings = fillRecordTo(used, before);
        strings.push_back(u"xyz");
        const Written w = write(strings);
        expectReadBack(w, strings);
        EXPECT_EQ(w.sst.recordDataLengths, (std::vector<std::size_t>{used - 4, 9})) << left;
        EXPECT_EQ(w.sst.strings[before].recordOffset, 4u) << left;
        EXPECT_EQ(w.sst.strings[before].pieces, 1u) << left;
        if (before == 8) {
            ASSERT_EQ(w.ext.entries.size(), 2u);
            EXPECT_EQ(w.ext.entries[1].recordOffset, 4) << left;
            EXPECT_EQ(w.ext.entries[1].streamOffset, kStreamOffset + used + 4) << left;
        }
    }
}

TEST(SstWriter, FiveBytesLeftTakeTheCchAndOneCharacter) {
    // 12 + 3 + 2 x 4104 = 8223: five bytes left for "xy".
    const std::vector<std::u16string> strings{letters(4104), u"xy"};
    const Written w = write(strings);
    expectReadBack(w, strings);
    EXPECT_EQ(w.sst.recordDataLengths, (std::vector<std::size_t>{8224, 3}));
    EXPECT_EQ(w.sst.strings[1].pieces, 2u);
}

TEST(SstWriter, AStringEndingExactlyAtTheLimitStaysWhole) {
    // 12 + (3 + 2) + (3 + 2 x 4104) = 8228: the record is exactly full.
    const std::vector<std::u16string> strings{u"a", letters(4104), u"Z"};
    const Written w = write(strings);
    expectReadBack(w, strings);
    EXPECT_EQ(w.sst.recordDataLengths, (std::vector<std::size_t>{8224, 5}));
    EXPECT_EQ(w.sst.strings[1].pieces, 1u);
    EXPECT_EQ(w.sst.strings[2].recordOffset, 4u);
}

TEST(SstWriter, NeverCutsBetweenTheHalvesOfASurrogatePair) {
    // Without care the first piece would end on the high surrogate at 4105.
    std::u16string text = letters(4200);
    text[4105] = 0xD83D;
    text[4106] = 0xDE00;
    const std::vector<std::u16string> strings{text};
    const Written w = write(strings);
    expectReadBack(w, strings);
    EXPECT_EQ(w.sst.recordDataLengths, (std::vector<std::size_t>{8221, 1 + 2 * 95}));
}

TEST(SstWriter, AStringWhoseOnlyFittingCharacterIsASurrogatePairStartsAfresh) {
    // Five bytes left: cch, option byte and one code unit, the high half.
    const std::vector<std::u16string> strings{letters(4104), u"\U0001F600x"};
    const Written w = write(strings);
    expectReadBack(w, strings);
    EXPECT_EQ(w.sst.recordDataLengths, (std::vector<std::size_t>{8219, 3 + 6}));
    EXPECT_EQ(w.sst.strings[1].recordOffset, 4u);
    EXPECT_EQ(w.sst.strings[1].pieces, 1u);
}

TEST(SstWriter, ExtSstBucketGrowsWithTheTableToAtMost128Entries) {
    struct Case {
        std::size_t strings;
        std::uint16_t bucket;
        std::size_t entries;
    };
    for (const Case c : {Case{1, 8, 1}, Case{1023, 8, 128}, Case{1024, 9, 114}, Case{5000, 40, 125},
                         Case{20000, 157, 128}}) {
        std::vector<std::u16string> strings;
        for (std::size_t k = 0; k < c.strings; ++k) {
            strings.push_back(u"s" + letters(k % 7 + 1) + std::u16string(1, char16_t(0x100 + k)));
        }
        const Written w = write(strings);
        ASSERT_EQ(w.ext.bucketSize, c.bucket) << c.strings;
        ASSERT_EQ(w.ext.entries.size(), c.entries) << c.strings;
        EXPECT_EQ(w.records.back().data.size(), 2 + 8 * c.entries);
        for (std::size_t i = 0; i < w.ext.entries.size(); ++i) {
            const biff::SstString& s = w.sst.strings[i * c.bucket];
            EXPECT_EQ(w.ext.entries[i].streamOffset, s.streamOffset);
            EXPECT_EQ(w.ext.entries[i].recordOffset, s.recordOffset);
        }
    }
}

TEST(SstWriter, ManyLongStringsReadBackWithExactExtSstOffsets) {
    std::vector<std::u16string> strings;
    std::uint32_t seed = 12345;
    for (int k = 0; k < 600; ++k) {
        seed = seed * 1103515245 + 12345;
        std::u16string text = letters(seed % 3000 + 1);
        if (k % 3 == 0) {
            for (std::size_t i = 0; i + 1 < text.size(); i += 7) {
                text[i] = 0xD800 + (seed % 1024);
                text[i + 1] = 0xDC00;
            }
        }
        strings.push_back(text);
    }
    const Written w = write(strings, 4321);
    expectReadBack(w, strings);
    EXPECT_EQ(w.sst.totalReferences, 4321u);
    EXPECT_EQ(w.sst.uniqueStrings, 600u);
    for (std::size_t i = 0; i < w.ext.entries.size(); ++i) {
        EXPECT_EQ(w.ext.entries[i].streamOffset, w.sst.strings[8 * i].streamOffset);
        EXPECT_EQ(w.ext.entries[i].recordOffset, w.sst.strings[8 * i].recordOffset);
    }
    // Every record but the last is full but for at most 6 bytes: a string
    // header that did not fit with its first character (a pair needs 7).
    for (std::size_t i = 0; i + 1 < w.sst.recordDataLengths.size(); ++i) {
        EXPECT_GE(w.sst.recordDataLengths[i], 8224u - 6u);
    }
}

}  // namespace
