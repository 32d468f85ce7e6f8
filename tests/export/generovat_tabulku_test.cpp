// The exported workbook: texts stored as the tables hold them, the limits
// checked before saving, and the file it is saved to. The layout and look are
// read back by xlrd and LibreOffice (tests/export/oracles).

#include "export/generovat_tabulku.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "calc/categories.h"
#include "export/export_paths.h"
#include "scratch_folder.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"
#include "xls/io/save_as.h"
#include "xls/model/workbook.h"

namespace ek::exporter {
namespace {

using namespace ek::test;
namespace fs = std::filesystem;

using Row = std::vector<std::u16string>;
constexpr char16_t kNoCell[] = u"(no cell)";
constexpr char16_t kBlank[] = u"(blank)";

// The text of the cell at 1-based (row, column), kBlank for a blank cell.
std::u16string cellText(const xls::TXLSWorkbook& workbook, const xls::IXLSWorksheet& sheet, int row,
                        int column) {
    const xls::TXLSCellRef* cell =
        sheet.Cell(xls::RowIndex{static_cast<std::uint16_t>(row - 1)},
                   xls::ColumnIndex{static_cast<std::uint8_t>(column - 1)});
    if (cell == nullptr)
        return kNoCell;
    if (cell->Kind() == xls::CellKind::Blank)
        return kBlank;
    if (cell->Kind() != xls::CellKind::Text)
        return u"(not text)";
    return std::u16string(workbook.StringTable().Text(cell->TextIndex()));
}

std::vector<std::uint8_t> fileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Sets a category table: the rows given, header first, subtotal last.
void setTable(calc::TextGrid& table, const std::vector<Row>& rows) {
    table.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            table.setCell(static_cast<int>(column), static_cast<int>(row), rows[row][column]);
    }
}

const Row kPlantHeader{u"por.", u"     Jméno rostliny", u"kusů", u"kus. cena", u"cena celkem"};

class ExportTest : public ReadingFixture {
  protected:
    // Every category absent, as after reading a list without any.
    void SetUp() override {
        for (std::size_t index = 0; index < calc::kCategoryCount; ++index)
            k.categoryTable(index).setRowCount(1);
    }
    // The worked example read, exported into the scratch folder.
    void readWorkedExample() {
        read(workedExampleText());
        k.Edit1 = scratch.folderText();
        k.INF_jmeno_souboru = u"Zahrada u domu";
    }
    fs::path exported() const { return scratch.path() / "Zahrada u domu.xls"; }

    ScratchFolder scratch;
};

TEST_F(ExportTest, TextsAreStoredExactlyAsTheTablesHoldThem) {
    const std::vector<std::u16string> awkward{
        u"'Kanzan' - sakura", u"=1+1", u"0012", u"  3 750,00 Kč", u"+420", u"\u017D\u00E1ba 𝄞",
    };
    std::vector<Row> rows{kPlantHeader};
    for (const std::u16string& text : awkward)
        rows.push_back({u"1", text, text, text, text});
    rows.push_back({u"", u"Celková cena rostlin", u"", u"", u"'"});
    setTable(k.StringGrid2, rows);
    k.INF_celkova_cena = u"=SUM(E3:E8)";
    xls::TXLSWorkbook workbook;
    buildWorkbook(workbook, k);
    const xls::IXLSWorksheet& sheet = *workbook.Worksheets().Item(1);
    for (std::size_t i = 0; i < awkward.size(); ++i) {
        for (int column = 2; column <= 5; ++column)
            EXPECT_EQ(cellText(workbook, sheet, static_cast<int>(i) + 3, column), awkward[i]);
    }
    EXPECT_EQ(cellText(workbook, sheet, 9, 5), u"'");
    EXPECT_EQ(cellText(workbook, sheet, 10, 5), u"=SUM(E3:E8)");
}

TEST_F(ExportTest, SavesUnderTheMaterialListsNameReplacingAnEarlierFile) {
    readWorkedExample();
    EXPECT_EQ(exportPath(k), scratch.folderText() + u"Zahrada u domu.xls");
    std::ofstream(exported()) << "an older export";
    ASSERT_EQ(GenerovatTabulku(k), xls::SaveResult::Saved);
    const auto expectedBytes = [&] {
        xls::TXLSWorkbook workbook;
        buildWorkbook(workbook, k);
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(xls::SaveToMemory(workbook, bytes), xls::SaveResult::Saved);
        return bytes;
    };
    EXPECT_EQ(fileBytes(exported()), expectedBytes());

    k.INF_celkova_cena = u" 99 999,00";  // the user edited the shown total
    ASSERT_EQ(GenerovatTabulku(k), xls::SaveResult::Saved);
    EXPECT_EQ(fileBytes(exported()), expectedBytes());
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ExportTest, WithoutAnyCategoryAnEmptyWorkbookIsSaved) {
    k.Edit1 = scratch.folderText();
    k.INF_jmeno_souboru = u"Prázdný";
    xls::TXLSWorkbook workbook;
    buildWorkbook(workbook, k);
    EXPECT_EQ(workbook.Worksheets().Count(), 0);
    EXPECT_EQ(GenerovatTabulku(k), xls::SaveResult::Saved);
    EXPECT_TRUE(fs::exists(scratch.path() / test::pathFromUtf8("Prázdný.xls")));
}

TEST_F(ExportTest, AFailedSaveGivesItsReason) {
    readWorkedExample();
    k.Edit1 = scratch.folderText() + u"missing/";
    EXPECT_EQ(GenerovatTabulku(k), xls::SaveResult::FolderMissing);
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}

// A table of `items` items whose cells hold short texts.
std::vector<Row> tableOf(int items) {
    std::vector<Row> rows{kPlantHeader};
    rows.reserve(static_cast<std::size_t>(items) + 2);
    for (int i = 1; i <= items; ++i)
        rows.push_back({u"1", u"x", u"1", u"1,00", u"1,00"});
    rows.push_back({u"", u"Celkem", u"", u"", u"1,00"});
    return rows;
}

TEST_F(ExportTest, ACategoryOfMoreItemsThanASheetHoldsStopsTheExport) {
    readWorkedExample();
    setTable(k.StringGrid3, tableOf(65533));
    EXPECT_EQ(GenerovatTabulku(k), std::nullopt);
    EXPECT_EQ(fake.messages,
              std::vector<std::u16string>{u"Kategorie \"Kalkulace zahradních objektů\" má 65533 "
                                          u"položek; list souboru XLS jich pojme nejvýše 65 532."});
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}

TEST_F(ExportTest, ACategoryFillingTheSheetToItsLastRowIsSaved) {
    readWorkedExample();
    setTable(k.StringGrid3, tableOf(65532));
    EXPECT_EQ(GenerovatTabulku(k), xls::SaveResult::Saved);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fs::exists(exported()));
}

TEST_F(ExportTest, ATextLongerThanACellHoldsStopsTheExport) {
    struct Case {
        const char* what;
        int column;
        int row;  // of the table; -1: the project total
        std::size_t length;
        std::u16string message;  // empty: the export is saved
    };
    const std::u16string longText = u"Text na listu \"Kalkulace rostlin\", řádek ";
    const std::u16string tail = u", je delší než 32 767 znaků; do souboru XLS jej nelze uložit.";
    const Case cases[] = {
        {"a name at the limit", 1, 1, 32767, u""},
        {"a name past the limit", 1, 1, 32768, longText + u"3" + tail},
        {"a price past the limit", 4, 1, 40000, longText + u"3" + tail},
        {"the subtotal past the limit", 4, 2, 32768, longText + u"4" + tail},
        {"the project total past the limit", 0, -1, 32768, longText + u"5" + tail},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.messages.clear();
        fs::remove(exported());
        readWorkedExample();
        const std::u16string text(c.length, u'ř');
        if (c.row < 0)
            k.INF_celkova_cena = text;
        else
            k.StringGrid2.setCell(c.column, c.row, text);
        if (c.message.empty()) {
            EXPECT_EQ(GenerovatTabulku(k), xls::SaveResult::Saved);
            EXPECT_TRUE(fake.messages.empty());
        } else {
            EXPECT_EQ(GenerovatTabulku(k), std::nullopt);
            EXPECT_EQ(fake.messages, std::vector<std::u16string>{c.message});
            EXPECT_FALSE(fs::exists(exported()));
        }
    }
}

TEST_F(ExportTest, LimitsAreReportedForTheFirstSheetThatBreaksThem) {
    readWorkedExample();
    setTable(k.StringGrid10, tableOf(65533));
    k.StringGrid3.setCell(1, 1, std::u16string(32768, u'a'));
    EXPECT_EQ(GenerovatTabulku(k), std::nullopt);
    EXPECT_EQ(fake.messages,
              std::vector<std::u16string>{
                  u"Text na listu \"Kalkulace zahradních objektů\", řádek 3, je delší než 32 767 "
                  u"znaků; do souboru XLS jej nelze uložit."});
}

}  // namespace
}  // namespace ek::exporter
