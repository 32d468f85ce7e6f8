// The export with amounts as numbers, read back record by record: which cells
// become numbers, the subtotal's SUM and its last result, the number format,
// and what stays text.

#include "export/amounts_as_numbers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calc/categories.h"
#include "export/generovat_tabulku.h"
#include "support/biff_stream.h"
#include "support/reading_fixture.h"
#include "support/sample_files.h"

namespace ek::exporter {
namespace {

using namespace ek::test;
using Row = std::vector<std::u16string>;

constexpr std::uint16_t kFormula = 0x0006, kLabelSst = 0x00FD;

void setTable(calc::TextGrid& table, const std::vector<Row>& rows) {
    table.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            table.setCell(static_cast<int>(column), static_cast<int>(row), rows[row][column]);
    }
}

// One sheet's cells by 1-based (row, column), with the format text of each.
struct ReadCell {
    std::uint16_t type = 0;
    double number = 0;
    std::u16string text;
    std::u16string format;
};

class AmountsAsNumbers : public ReadingFixture {
  protected:
    void SetUp() override {
        for (std::size_t index = 0; index < calc::kCategoryCount; ++index)
            k.categoryTable(index).setRowCount(1);
    }
    // Exports with the option and reads sheet `index` (0-based) back.
    std::map<std::pair<int, int>, ReadCell> exportedSheet(std::size_t index) {
        xls::TXLSWorkbook workbook;
        buildWorkbook(workbook, k, ExportOptions{.amountsAsNumbers = true});
        book = biff::saveAndParse(workbook);
        std::map<std::uint16_t, std::u16string> formats;
        for (const biff::Record* record : biff::findAll(book.globals().records, 0x041E)) {
            const biff::Format format = biff::readFormat(*record);
            formats[format.ifmt] = format.text;
        }
        const auto xfs = biff::findAll(book.globals().records, 0x00E0);
        std::map<std::pair<int, int>, ReadCell> cells;
        for (const biff::Cell& cell : biff::readCells(book.sheet(index).records)) {
            ReadCell& read = cells[{cell.row + 1, cell.column + 1}];
            read.type = cell.type;
            read.number = cell.number;
            if (cell.type == kLabelSst)
                read.text = book.text(cell.isst);
            read.format = formats[biff::readXf(*xfs.at(cell.ixfe)).ifmt];
        }
        return cells;
    }
    biff::SumOfArea sumAt(std::size_t index, int row, int column) const {
        for (const biff::Record* record : biff::findAll(book.sheet(index).records, kFormula)) {
            const biff::Formula formula = biff::readFormula(*record);
            if (formula.row + 1 == row && formula.column + 1 == column)
                return biff::readSumOfArea(formula.rgce);
        }
        ADD_FAILURE() << "no formula at " << row << ", " << column;
        return {};
    }

    biff::ParsedWorkbook book;
};

std::pair<int, int> at(int row, int column) {
    return {row, column};
}

bool isNumber(const ReadCell& cell) {
    return cell.type == 0x0203 || cell.type == 0x027E || cell.type == 0x00BD;
}

TEST_F(AmountsAsNumbers, TheWorkedExampleHasNumbersASumAndTheTextsOfTheLayout) {
    read(workedExampleText());
    auto cells = exportedSheet(0);  // the plants: one item
    EXPECT_EQ(cells[at(1, 1)].text, u"Kalkulace projektu zahrady - rostliny");
    EXPECT_EQ(cells[at(2, 3)].text, u"kusů");
    EXPECT_EQ(cells[at(3, 1)].text, u"1");  // row numbers stay text
    EXPECT_EQ(cells[at(3, 2)].text, u"Acer campestre - javor babyka");
    ASSERT_TRUE(isNumber(cells[at(3, 3)]));
    EXPECT_EQ(cells[at(3, 3)].number, 3);
    EXPECT_EQ(cells[at(3, 3)].format, u"");  // General
    EXPECT_EQ(cells[at(3, 4)].number, 1250);
    EXPECT_EQ(cells[at(3, 4)].format, kCrownsFormat);
    EXPECT_EQ(cells[at(3, 5)].number, 3750);
    EXPECT_EQ(cells[at(3, 5)].format, kCrownsFormat);
    EXPECT_EQ(cells[at(4, 2)].text, u"Celková cena rostlin");
    EXPECT_EQ(cells[at(4, 5)].type, kFormula);
    EXPECT_EQ(cells[at(4, 5)].number, 3750);
    EXPECT_EQ(cells[at(4, 5)].format, kCrownsFormat);
    EXPECT_EQ(sumAt(0, 4, 5).area, (biff::Area{2, 2, 4, 4}));
    EXPECT_EQ(cells[at(5, 2)].text, u"Celková cena projektu");
    EXPECT_EQ(cells[at(5, 3)].text, u" ");
    ASSERT_TRUE(isNumber(cells[at(5, 5)]));
    EXPECT_EQ(cells[at(5, 5)].number, 13730);
    EXPECT_EQ(cells[at(5, 5)].format, kCrownsFormat);
}

TEST_F(AmountsAsNumbers, ValuesAreTheTablesFiguresNeverRecomputed) {
    setTable(k.StringGrid3,
             {{u"por.", u"     Objekt zahrady", u"kusů/plocha", u"kus. cena", u"cena celkem"},
              {u"1", u"Štěrk", u"3", u"0,03", u"0,10"},  // 3 x 0,03 is not 0,10
              {u"2", u"Písek", u"12,5", u"0,016", u"0,20"},
              {u"3", u"Kůra", u"asi 2", u"zdarma", u"1234567,89"},
              {u"", u"Celková cena objektů zahrady", u"", u"", u" 12 345,6"}});
    k.INF_celkova_cena = u" 12 345,99";
    auto cells = exportedSheet(0);
    EXPECT_EQ(cells[at(3, 5)].number, 0.1);
    EXPECT_EQ(cells[at(4, 3)].number, 12.5);
    EXPECT_EQ(cells[at(4, 4)].text, u"0,016");  // more than hundredths: kept as text
    EXPECT_EQ(cells[at(5, 3)].text, u"asi 2");
    EXPECT_EQ(cells[at(5, 4)].text, u"zdarma");
    EXPECT_EQ(cells[at(5, 4)].format, kCrownsFormat);  // the column's, harmless on text
    // The exact sum in hundredths: 123456819 / 100, not 0.1 + 0.2 + 1234567.89.
    EXPECT_EQ(cells[at(6, 5)].type, kFormula);
    EXPECT_EQ(cells[at(6, 5)].number, 1234568.19);
    EXPECT_EQ(sumAt(0, 6, 5).area, (biff::Area{2, 4, 4, 4}));
    EXPECT_EQ(cells[at(7, 5)].number, 12345.99);
}

TEST_F(AmountsAsNumbers, ALineTotalThatIsNoFigureKeepsTheSubtotalText) {
    setTable(k.StringGrid10,
             {{u"por.", u"     Symbol", u"kusů/plocha", u"kus. cena", u"cena celkem"},
              {u"1", u"Lampa", u"1", u"980,00", u"980,00"},
              {u"2", u"Sloup", u"1", u"", u"dle dohody"},
              {u"", u"Celková cena symbolů", u"", u"", u" 0 980,00"}});
    k.INF_celkova_cena = u"dohodou";
    auto cells = exportedSheet(0);
    EXPECT_EQ(cells[at(3, 5)].number, 980);
    EXPECT_EQ(cells[at(4, 5)].text, u"dle dohody");
    EXPECT_EQ(cells[at(5, 5)].text, u" 0 980,00");
    EXPECT_EQ(cells[at(6, 5)].text, u"dohodou");
    EXPECT_TRUE(biff::findAll(book.sheet(0).records, kFormula).empty());
}

TEST_F(AmountsAsNumbers, ACategoryWithoutItemsHasASubtotalOfZero) {
    setTable(k.StringGrid5,
             {{u"por.", u"     Objekt bazénu", u"kusů/plocha", u"kus. cena", u"cena celkem"},
              {u"", u"Celková cena objektů bazénu", u"", u"", u" 0 000,00"}});
    auto cells = exportedSheet(0);
    ASSERT_TRUE(isNumber(cells[at(3, 5)]));
    EXPECT_EQ(cells[at(3, 5)].number, 0);
    EXPECT_EQ(cells[at(3, 5)].format, kCrownsFormat);
    EXPECT_EQ(cells[at(4, 5)].number, 0);  // the project total "0,00"
    EXPECT_TRUE(biff::findAll(book.sheet(0).records, kFormula).empty());
}

}  // namespace
}  // namespace ek::exporter
