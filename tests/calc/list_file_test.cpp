#include "calc/list_file.h"

#include <gtest/gtest.h>

#include "support/sample_files.h"

namespace ek::calc {
namespace {

using test::utf16File;

TEST(ListFile, WorkedExampleGivesEightItemsWithTabsKept) {
    const TextList items = listFileItems(utf16File(test::workedExampleText()));
    ASSERT_EQ(items.size(), 8u);
    EXPECT_EQ(items[0], u"Zahrada u domu");
    EXPECT_EQ(items[2],
              u"Položka 1 Acer campestre - javor babyka;\t3\t1\u00A0250,00 Kč\t3\u00A0750,00 Kč");
    EXPECT_EQ(items[4], u"Lavička (dřevo/kov)\t2\t4\u00A0500,00 Kč\t9\u00A0000,00 Kč");
    EXPECT_EQ(items[7], u"Konec");
}

TEST(ListFile, EveryCharacterSurvives) {
    // Letters the old fixed table lost, m², an en dash, and one beyond the BMP.
    const std::u16string text = u"Hrušeň ňů Ů Č ď ť ľ ő – 12 m² 😀\r\nx\r\n";
    const TextList items = listFileItems(utf16File(text));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], u"Hrušeň ňů Ů Č ď ť ľ ő – 12 m² 😀");
}

struct EndingCase {
    const char* name;
    std::u16string text;
    TextList items;
};

class LineEndings : public ::testing::TestWithParam<EndingCase> {};

TEST_P(LineEndings, Items) {
    EXPECT_EQ(listFileItems(utf16File(GetParam().text)), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineEndings,
    ::testing::Values(
        EndingCase{"FinalCrLfOpensNoItem", u"a\r\nKonec\r\n", {u"a", u"Konec"}},
        EndingCase{"NoFinalLineEndKeepsWholeLastLine", u"a\r\nKonec", {u"a", u"Konec"}},
        EndingCase{"TwoFinalCrLfGiveEmptyLastItem", u"a\r\nb\r\n\r\n", {u"a", u"b", u""}},
        EndingCase{"BareLineFeeds", u"a\nb\n", {u"a", u"b"}},
        EndingCase{"CrInsideALineIsDropped", u"a\rb\r\n", {u"ab"}},
        EndingCase{"NulIsDropped", std::u16string(u"a\0b\r\n", 5), {u"ab"}},
        EndingCase{"EmptyLinesInside", u"a\r\n\r\nb\r\n", {u"a", u"", u"b"}},
        EndingCase{"OnlyTheMark", u"", {u""}}, EndingCase{"OnlyALineEnd", u"\r\n", {u""}}),
    [](const auto& info) { return info.param.name; });

TEST(ListFile, EmptyFileIsOneEmptyItem) {
    EXPECT_EQ(listFileItems({}), TextList{u""});
}

TEST(ListFile, LoneTrailingByteAndUnpairedSurrogatesBecomeReplacements) {
    platform::Bytes bytes = utf16File(u"a");
    bytes.push_back(0x00);  // D800 alone
    bytes.push_back(0xD8);
    bytes.push_back(0x62);  // b
    bytes.push_back(0x00);
    bytes.push_back(0x00);  // DC00 alone
    bytes.push_back(0xDC);
    bytes.push_back(0x63);  // a lone last byte
    EXPECT_EQ(listFileItems(bytes), TextList{u"a\uFFFDb\uFFFD\uFFFD"});
}

TEST(ListFile, WithoutMarkTheFileIsWindows1250) {
    // "Žluťoučký kůň" in Windows-1250, CR LF, TAB.
    const std::string bytes = "\x8Elu\x9Dou\xE8k\xFD\tk\xF9\xF2\r\n[End]\r\n";
    const TextList items = listFileItems(platform::Bytes(bytes.begin(), bytes.end()));
    EXPECT_EQ(items, (TextList{u"Žluťoučký\tkůň", u"[End]"}));
}

TEST(ListFile, BigEndianMarkIsNotUtf16) {
    // Only FF FE announces UTF-16; anything else is single-byte text.
    const platform::Bytes bytes{0xFE, 0xFF, 0x00, 0x41};
    EXPECT_EQ(listFileItems(bytes), TextList{u"\u0163\u02D9A"});
}

// UTF-16LE as some programs save it, without FF FE.
platform::Bytes utf16WithoutMark(std::u16string_view text) {
    const platform::Bytes marked = utf16File(text);
    return platform::Bytes(marked.begin() + 2, marked.end());
}

TEST(ListFile, Utf16WithoutMarkIsRecognisedByItsZeroBytes) {
    const std::u16string example = test::workedExampleText();
    EXPECT_EQ(listFileItems(utf16WithoutMark(example)), listFileItems(utf16File(example)));
    // Czech letters have 01 as their second byte; the rest of a list outweighs them.
    const std::u16string czech = u"Šípková Růženka\r\nŘeřicha čtyřřadá\t3\t1,00 Kč\t3,00 Kč\r\n";
    EXPECT_EQ(listFileItems(utf16WithoutMark(czech)),
              (TextList{u"Šípková Růženka", u"Řeřicha čtyřřadá\t3\t1,00 Kč\t3,00 Kč"}));
    EXPECT_EQ(decodeListFile(utf16WithoutMark(u"Stavba")), u"Stavba");
    // A stray zero byte in Windows-1250 text does not make it UTF-16.
    const char stray[] = "Zed\0\t1\t1,00 K\xE8\r\n";
    EXPECT_EQ(listFileItems(platform::Bytes(stray, stray + sizeof stray - 1)),
              TextList{u"Zed\t1\t1,00 Kč"});
}

TEST(ListFile, NothingBeyondTheLargestItemCount) {
    struct Case {
        std::u16string text;
        bool withinThree;
    };
    const Case cases[] = {
        {u"a\r\nb\r\nc\r\n", true},   {u"a\r\nb\r\nc", true},          {u"a\nb\nc\n\r\0", true},
        {u"a\r\nb\r\nc\r\nd", false}, {u"a\r\nb\r\nc\r\n\r\n", false}, {u"\n\n\n\n\n\n\n\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.text));
        const std::string windows1250 = toUtf8(c.text);  // ASCII: the same bytes
        for (const platform::Bytes& bytes :
             {utf16File(c.text), platform::Bytes(windows1250.begin(), windows1250.end())}) {
            const std::optional<TextList> items = listFileItems(bytes, 3);
            EXPECT_EQ(items.has_value(), c.withinThree);
            if (items) {
                EXPECT_EQ(*items, listFileItems(bytes));
            }
        }
    }
}

}  // namespace
}  // namespace ek::calc
