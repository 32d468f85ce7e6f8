// Limits: material lists of exactly 64 MiB (read) and one byte more
// (refused), lines of 100 000 characters, 70 000 items in one category, names
// of 5 000 characters, and every character of the Basic Multilingual Plane
// with surrogate pairs. What a worksheet cannot hold stops the export with
// its message, writes nothing, and the next export works.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calc/error.h"
#include "export/export.h"
#include "export/generovat_tabulku.h"
#include "platform/automation.h"
#include "platform/unicode.h"
#include "robustness/real_folder.h"
#include "robustness/real_session.h"
#include "support/biff_stream.h"
#include "support/cfb_reader.h"
#include "support/fake_platform.h"
#include "support/host_folders.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"
#include "xls/model/errors.h"
#include "xls/model/workbook.h"

namespace ek::test {
namespace {

namespace fs = std::filesystem;
using calc::Text;

constexpr std::uint64_t k64MiB = 64ull * 1024 * 1024;
// The message that refuses the file at `path` (UTF-8) for its size.
std::string tooLarge(const std::string& path) {
    return "Soubor \"" + path + "\" je příliš velký (nejvýše 64 MiB).";
}
const Text kGardenTitle = u"Ostatní objekty zahrady";

Text joined(const std::vector<Text>& lines) {
    Text text;
    for (const Text& line : lines)
        text += line + u"\r\n";
    return text;
}

Text itemLine(const Text& name, const Text& quantity = u"1") {
    return name + u"\t" + quantity + u"\t1,00 Kč\t1,00 Kč";
}

// FF FE and `text` as UTF-16LE, written in place (a byte at a time would
// take seconds for 64 MiB under the sanitizers).
platform::Bytes utf16Bytes(const Text& text) {
    platform::Bytes bytes(2 + 2 * text.size());
    bytes[0] = 0xFF;
    bytes[1] = 0xFE;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bytes[2 + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        bytes[3 + 2 * i] = static_cast<std::uint8_t>(text[i] >> 8);
    }
    return bytes;
}

// The worked example with filler lines of 100 000 characters before its
// first category, UTF-16, exactly `bytes` long (an even number).
platform::Bytes workedExampleOfSize(std::uint64_t bytes) {
    const Text example = workedExampleText();
    const std::size_t split = example.find(u"\r\n") + 2;  // after the project line
    std::size_t filler = (bytes - 2) / 2 - example.size();
    Text text = example.substr(0, split);
    text.reserve(filler + example.size());
    const Text line = Text(99998, u'x') + u"\r\n";
    for (; filler >= line.size(); filler -= line.size())
        text += line;
    if (filler >= 2) {
        text += Text(filler - 2, u'y') + u"\r\n";
    } else if (filler == 1) {
        text.insert(0, u"_");
    }
    text += example.substr(split);
    return utf16Bytes(text);
}

class ReadingLimits : public ReadingFixture {};

TEST_F(ReadingLimits, MaterialListOfExactly64MiBIsReadWhole) {
    const platform::Bytes content = workedExampleOfSize(k64MiB);
    ASSERT_EQ(content.size(), k64MiB);
    pickBytes(u"Velký.txt", content);
    EXPECT_EQ(errorOf(&calc::Kalkulace::Prevod), "no error");
    EXPECT_EQ(k.INF_celkem, u"1373000");
    EXPECT_EQ(k.ListBox1.back(), u"Konec");
    EXPECT_TRUE(k.Button15Enabled);
}

TEST_F(ReadingLimits, OneByteMoreIsRefusedUnreadAndTheToolGoesOn) {
    platform::Bytes content = workedExampleOfSize(k64MiB);
    content.push_back(0x20);
    pickBytes(u"Velký.txt", content);
    const Text path = Text(kMaterialLists) + u"Velký.txt";
    EXPECT_EQ(errorOf(&calc::Kalkulace::Prevod), tooLarge(platform::toUtf8(path)));
    EXPECT_EQ(fake.readCount(path), 0);
    EXPECT_TRUE(k.ListBox1.empty());
    EXPECT_FALSE(k.Button15Enabled);
    EXPECT_EQ(k.INF_celkova_cena, u"0,00");
    read(workedExampleText());
    EXPECT_EQ(k.INF_celkem, u"1373000");
}

TEST_F(ReadingLimits, PriceListOver64MiBLeavesTheLinesAsTheyWere) {
    read(workedExampleText());
    const calc::TextList lines = k.ListBox1;
    const Text path = Text(kPriceLists) + u"Velký.lst";
    fake.addFile(path, utf16File(u"Kategorie\r\n[End]\r\n"));
    fake.reportSize(path, k64MiB + 1);
    k.Nastavit();
    k.FileListBox2.itemIndex = 0;
    EXPECT_EQ(errorOf(&calc::Kalkulace::VyberCeniku), tooLarge(platform::toUtf8(path)));
    EXPECT_EQ(k.ListBox1, lines);
}

TEST_F(ReadingLimits, LinesOf100000CharactersAreKeptWhole) {
    const Text longName = Text(100000, u'ř');
    const Text longQuantity = Text(99999, u'9') + u"m";
    read(joined({u"Projekt", kGardenTitle, itemLine(longName, longQuantity), itemLine(u"Lavička"),
                 u"Konec"}));
    ASSERT_EQ(k.StringGrid3.rowCount(), 4);
    EXPECT_EQ(k.StringGrid3.cell(1, 1), longName);
    EXPECT_EQ(k.StringGrid3.cell(2, 1), longQuantity);
    EXPECT_EQ(k.INF_celkem, u"200");

    const Text priceList = Text(kPriceLists) + u"Dlouhý.lst";
    fake.addFile(
        priceList,
        utf16File(joined({u"Kategorie", u"Rostliny\t" + longName + u"\t \t5,00 Kč", u"[End]"})));
    k.Nastavit();
    k.FileListBox2.itemIndex = 0;
    k.VyberCeniku();
    EXPECT_EQ(k.StringGrid8.cell(2, 1), longName);
    EXPECT_EQ(k.StringGrid8.cell(3, 1), u"5,00");
}

TEST_F(ReadingLimits, PlantNamesOf5000CharactersInEveryMode) {
    const Text first = Text(2500, u'A'), second = Text(2497, u'j');
    const Text name = first + u" - " + second;
    const Text list = joined({u"Projekt", u"Rostliny projektu zahrady",
                              itemLine(u"Položka 1 " + name + u";"), u"Konec"});
    const std::pair<int, Text> modes[] = {{0, first}, {1, second}, {2, name}};
    for (const auto& [mode, shown] : modes) {
        k.RadioGroup2 = mode;
        read(list);
        EXPECT_EQ(k.StringGrid2.cell(1, 1), shown) << "mode " << mode;
    }
}

// Every code unit of the Basic Multilingual Plane except the four the file
// format gives a meaning (NUL, TAB, LF, CR) and the surrogates, which come
// as pairs: every high one with a low one, every low one with a high one.
std::vector<Text> everyCharacterInChunks() {
    Text all;
    for (char32_t unit = 1; unit <= 0xFFFF; ++unit) {
        if (unit == u'\t' || unit == u'\n' || unit == u'\r' || (unit >= 0xD800 && unit <= 0xDFFF))
            continue;
        all.push_back(static_cast<char16_t>(unit));
    }
    for (char16_t i = 0; i < 1024; ++i) {
        all.push_back(static_cast<char16_t>(0xD800 + i));
        all.push_back(static_cast<char16_t>(0xDC00 + (i * 7) % 1024));
    }
    std::vector<Text> chunks;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t length = std::min<std::size_t>(1000, all.size() - start);
        const char16_t last = all[start + length - 1];
        if (last >= 0xD800 && last <= 0xDBFF)
            ++length;  // never half a pair
        chunks.push_back(all.substr(start, length));
        start += length;
    }
    return chunks;
}

Text everyCharacterList(const std::vector<Text>& chunks) {
    std::vector<Text> lines{u"Projekt", kGardenTitle};
    for (const Text& chunk : chunks)
        lines.push_back(itemLine(chunk));
    lines.push_back(u"Konec");
    return joined(lines);
}

TEST_F(ReadingLimits, EveryCharacterOfTheBasicPlaneAndSurrogatePairsSurviveTheReading) {
    const std::vector<Text> chunks = everyCharacterInChunks();
    read(everyCharacterList(chunks));
    ASSERT_EQ(k.StringGrid3.rowCount(), static_cast<int>(chunks.size()) + 2);
    for (std::size_t i = 0; i < chunks.size(); ++i)
        EXPECT_EQ(k.StringGrid3.cell(1, static_cast<int>(i) + 1), chunks[i]) << "chunk " << i;
}

TEST_F(ReadingLimits, PriceListOfEveryCharacterNamesTheFirstItCannotWrite) {
    const std::vector<Text> chunks = everyCharacterInChunks();
    k.StringGrid8.setRowCount(static_cast<int>(chunks.size()) + 1);
    for (std::size_t i = 0; i < chunks.size(); ++i)
        k.StringGrid8.setCell(2, static_cast<int>(i) + 1, chunks[i]);
    // U+0001 to U+007F are in Windows-1250, U+0080 (a C1 control it lacks) is not.
    EXPECT_EQ(errorOf(&calc::Kalkulace::ZaznamNovehoCeniku),
              "Ceník nelze uložit: znak \"\u0080\" na řádku 1 nelze zapsat v kódování "
              "Windows-1250.");
    EXPECT_EQ(fake.file(Text(kPriceLists) + u"test.lst"), nullptr);
}

// The export of a reading into the real file system, read back.
class ExportLimits : public ::testing::Test {
  protected:
    fs::path workbookFile() const { return session.materialLists() / "Projekt.xls"; }
    std::u16string exportMessage() {
        session.messages.clear();
        EXPECT_FALSE(exporter.Button15Click());
        EXPECT_FALSE(fs::exists(workbookFile()));
        EXPECT_FALSE(session.state.Button16Enabled);
        return session.messages.size() == 1 ? session.messages.front() : u"";
    }
    void expectUsable() {
        session.messages.clear();
        ASSERT_EQ(session.read("Projekt.txt", utf16File(workedExampleText())), "");
        EXPECT_TRUE(exporter.Button15Click());
        EXPECT_TRUE(session.messages.empty());
        EXPECT_TRUE(fs::exists(workbookFile()));
    }
    // The texts of column B of the worksheet `sheet` of the exported file, by row.
    std::map<int, std::u16string> columnB(std::size_t sheet) const {
        const cfb::File file = cfb::readFile(workbookFile().string());
        const biff::ParsedWorkbook parsed = biff::parse(file.streams.at(u"Workbook"));
        std::map<int, std::u16string> texts;
        for (const biff::Cell& cell : biff::readCells(parsed.sheet(sheet).records)) {
            if (cell.type == 0x00FD && cell.column == 1)
                texts[cell.row] = parsed.text(cell.isst);
        }
        return texts;
    }

    RealSession session;
    platform::Automation automation;
    exporter::Export exporter{session.state, automation};
};

Text manyItems(int count) {
    std::vector<Text> lines{u"Projekt", kGardenTitle};
    lines.reserve(static_cast<std::size_t>(count) + 3);
    for (int item = 1; item <= count; ++item)
        lines.push_back(itemLine(u"Objekt " + platform::fromUtf8(std::to_string(item))));
    lines.push_back(u"Konec");
    return joined(lines);
}

TEST_F(ExportLimits, CategoryOf70000ItemsIsReadButNotExported) {
    ASSERT_EQ(session.read("Projekt.txt", utf16File(manyItems(70000))), "");
    EXPECT_EQ(session.state.INF_celkem, u"7000000");
    EXPECT_EQ(session.state.StringGrid3.rowCount(), 70002);
    EXPECT_EQ(exportMessage(),
              u"Kategorie \"Kalkulace zahradních objektů\" má 70000 položek; "
              u"list souboru XLS jich pojme nejvýše 65 532.");
    expectUsable();
}

// The export's own check names the category; without it the workbook
// library's refusal of a row past the sheet would be the message.
TEST_F(ExportLimits, CategoryOneItemPastTheSheetIsNotExported) {
    ASSERT_EQ(session.read("Projekt.txt", utf16File(manyItems(65533))), "");
    EXPECT_EQ(exportMessage(),
              u"Kategorie \"Kalkulace zahradních objektů\" má 65533 položek; "
              u"list souboru XLS jich pojme nejvýše 65 532.");
    xls::TXLSWorkbook workbook;
    try {
        exporter::buildWorkbook(workbook, session.state);
        ADD_FAILURE() << "the last row fitted the sheet";
    } catch (const xls::XlsError& error) {
        EXPECT_STREQ(error.what(), "Invalid row/column index");
    }
    expectUsable();
}

TEST_F(ExportLimits, TextLongerThanACellIsNotExported) {
    const Text list = joined(
        {u"Projekt", kGardenTitle, itemLine(u"Lavička"), itemLine(Text(100000, u'ř')), u"Konec"});
    ASSERT_EQ(session.read("Projekt.txt", utf16File(list)), "");
    EXPECT_EQ(exportMessage(),
              u"Text na listu \"Kalkulace zahradních objektů\", řádek 4, je delší "
              u"než 32 767 znaků; do souboru XLS jej nelze uložit.");
    expectUsable();
}

TEST_F(ExportLimits, NameOf5000CharactersIsExportedWhole) {
    const Text name = Text(2500, u'Ž') + u" - " + Text(2497, u'ň');
    const Text list = joined({u"Projekt", kGardenTitle, itemLine(name), u"Konec"});
    ASSERT_EQ(session.read("Projekt.txt", utf16File(list)), "");
    ASSERT_TRUE(exporter.Button15Click());
    EXPECT_EQ(columnB(0).at(2), name);
}

TEST_F(ExportLimits, ExportNameOf5000CharactersCannotBeSavedAndTheToolGoesOn) {
    ASSERT_EQ(session.read("Projekt.txt", utf16File(workedExampleText())), "");
    session.state.INF_jmeno_souboru = Text(4996, u'n');
    const std::u16string path = session.state.Edit1 + session.state.INF_jmeno_souboru + u".xls";
    EXPECT_EQ(exportMessage(), u"Soubor \"" + path +
                                   u"\" se nepodařilo uložit: název nebo cesta souboru je "
                                   u"příliš dlouhá.");
    EXPECT_EQ(entriesOf(session.materialLists()), std::set<std::string>{"Projekt.txt"});
    expectUsable();
}

TEST_F(ExportLimits, EveryCharacterOfTheBasicPlaneAndSurrogatePairsAreExported) {
    const std::vector<Text> chunks = everyCharacterInChunks();
    ASSERT_EQ(session.read("Projekt.txt", utf16File(everyCharacterList(chunks))), "");
    ASSERT_TRUE(exporter.Button15Click());
    const std::map<int, std::u16string> texts = columnB(0);
    for (std::size_t i = 0; i < chunks.size(); ++i)
        EXPECT_EQ(texts.at(static_cast<int>(i) + 2), chunks[i]) << "chunk " << i;
}

TEST(RealFileLimits, SparseFilesAtAndPastTheLimit) {
    RealSession session;
    session.pick("Prázdný.txt", {});
    const std::string path = (session.materialLists() / "Prázdný.txt").string();
    fs::resize_file(path, k64MiB);
    // NUL bytes only: one empty item, and no category in it.
    EXPECT_EQ(session.read(), "Soubor \"" + path +
                                  "\" neobsahuje nadpis žádné kategorie (například \"Rostliny "
                                  "projektu zahrady\"); není to seznam kalkulace, nebo je v "
                                  "kódování, které program nezná.");
    EXPECT_EQ(session.state.ListBox1, calc::TextList{Text()});

    fs::resize_file(path, k64MiB + 1);
    EXPECT_EQ(session.read(), tooLarge(path));
    EXPECT_TRUE(session.state.ListBox1.empty());
}

}  // namespace
}  // namespace ek::test
