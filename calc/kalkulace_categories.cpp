// The category index, the eight category builders and the plant sorting.

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "calc/categories.h"
#include "calc/category_index.h"
#include "calc/error.h"
#include "calc/kalkulace.h"
#include "calc/line_value.h"
#include "calc/money.h"
#include "calc/plant_name.h"
#include "calc/plant_sort_keys.h"
#include "calc/reading_messages.h"
#include "calc/whole_number.h"

namespace ek::calc {

namespace {

constexpr int kNameColumn = 1;
constexpr int kQuantityColumn = 2;
constexpr int kUnitPriceColumn = 3;
constexpr int kLineTotalColumn = 4;

PlantNameMode plantNameMode(int radioGroupIndex) {
    switch (radioGroupIndex) {
        case 0:
            return PlantNameMode::Prvni;
        case 1:
            return PlantNameMode::Druhy;
        default:
            return PlantNameMode::Oba;
    }
}

[[noreturn]] void throwIndexOutOfBounds(std::int64_t index) {
    throw CalcError(u"List index out of bounds (" + decimalText(index) + u")");
}

}  // namespace

void Kalkulace::PrehledKategorii() {
    ListBox2 = categoryIndex(StringGrid1);
}

void Kalkulace::NajitKategorii() {
    const CategoryRange range = findCategory(ListBox2, INF_kategorie, StringGrid1.rowCount() - 1);
    INF_zacatek = decimalText(range.start);
    INF_konec = decimalText(range.end);
}

void Kalkulace::Rostliny_z_tabulky() {
    buildCategory(0);
}
void Kalkulace::Zahrada_z_tabulky() {
    buildCategory(1);
}
void Kalkulace::Stavba_z_tabulky() {
    buildCategory(2);
}
void Kalkulace::Bazen_z_tabulky() {
    buildCategory(3);
}
void Kalkulace::Voda_z_tabulky() {
    buildCategory(4);
}
void Kalkulace::Teren_z_tabulky() {
    buildCategory(5);
}
void Kalkulace::Silnice_z_tabulky() {
    buildCategory(6);
}
void Kalkulace::Symboly_z_tabulky() {
    buildCategory(7);
}

void Kalkulace::writeHeaderRow(std::size_t index) {
    const Category& category = kCategories.at(index);
    TextGrid& table = categoryTable(index);
    if (table.rowCount() < 1)
        table.setRowCount(1);
    table.setCell(0, 0, Text(kRowNumberHeader));
    table.setCell(kNameColumn, 0, Text(category.nameHeader));
    table.setCell(kQuantityColumn, 0, Text(category.quantityHeader));
    table.setCell(kUnitPriceColumn, 0, Text(kUnitPriceHeader));
    table.setCell(kLineTotalColumn, 0, Text(kLineTotalHeader));
}

void Kalkulace::cutToHeaderRow(std::size_t index) {
    writeHeaderRow(index);
    categoryTable(index).setRowCount(1);
}

void Kalkulace::buildCategory(std::size_t index) {
    PrehledKategorii();
    buildCategoryFromIndex(index);
}

void Kalkulace::buildCategoryFromIndex(std::size_t index) {
    const Category& category = kCategories.at(index);
    TextGrid& table = categoryTable(index);
    if (category.plants)
        ListBox3.clear();
    writeHeaderRow(index);

    INF_kategorie = category.key;
    NajitKategorii();
    const std::int64_t start = parseWholeNumber(INF_zacatek);
    const std::int64_t end = parseWholeNumber(INF_konec);
    if (start == 0)
        table.setRowCount(1);
    if (start <= 0)
        return;  // absent: the subtotal keeps its text

    const std::int64_t itemCount = std::max<std::int64_t>(0, end - start);
    const int totalRow = static_cast<int>(itemCount) + 1;
    table.setRowCount(totalRow + 1);
    const PlantNameMode mode = plantNameMode(RadioGroup2);
    const std::size_t keyWidth = plantKeyWidth(static_cast<std::size_t>(itemCount));
    if (category.plants)
        ListBox3.reserve(static_cast<std::size_t>(itemCount));  // a key a row

    int row = 1;
    std::int64_t sum = 0;
    Text price;  // one block for the cleaned prices of all rows
    try {
        for (; row < totalRow; ++row) {
            const int source = static_cast<int>(start) + row;
            // Views of the working table, which the loop leaves as it is.
            std::u16string_view name = StringGrid1.cell(kNameColumn, source);
            if (category.plants) {
                name = shownPlantName(plantNameFromField(name), mode);
                ListBox3.push_back(plantSortKey(name, row, keyWidth));
            }
            const std::u16string_view lineTotal = StringGrid1.cell(kLineTotalColumn, source);
            std::array<char16_t, 20> digits;
            table.setCell(0, row, decimalText(row, digits));
            table.setCell(kNameColumn, row, name);
            table.setCell(kQuantityColumn, row, StringGrid1.cell(kQuantityColumn, source));
            cleanPriceText(StringGrid1.cell(kUnitPriceColumn, source), price);
            table.setCell(kUnitPriceColumn, row, price);
            cleanPriceText(lineTotal, price);
            table.setCell(kLineTotalColumn, row, price);
            const std::optional<std::int64_t> value = lineValue(lineTotal);
            if (!value)
                throw CalcError(notAnAmountMessage(listPath(), source, lineTotal));
            const std::optional<std::int64_t> added = addedMoney(sum, *value);
            if (!added)
                throw CalcError(categorySumTooLargeMessage(listPath(), source, category.title));
            sum = *added;
        }
        const std::optional<std::int64_t> total = addedMoney(parseWholeNumber(INF_celkem), sum);
        if (!total)
            throw CalcError(projectTotalTooLargeMessage(listPath(), category.title, start));
        INF_celkem = decimalText(*total);
    } catch (const CalcError&) {
        // Only the rows before the failing line stay, no rows of an earlier file.
        table.setRowCount(row);
        throw;
    }

    subtotalItem(index) = u" " + formatMoney(sum, decimalSeparator_);
    table.setCell(0, totalRow, Text());
    table.setCell(kNameColumn, totalRow, Text(category.totalText));
    table.setCell(kQuantityColumn, totalRow, Text());
    table.setCell(kUnitPriceColumn, totalRow, Text());
    table.setCell(kLineTotalColumn, totalRow, subtotalItem(index));

    if (category.plants) {
        // The list keeps itself in order; the table follows it but in mode "oba".
        if (mode == PlantNameMode::Oba)
            sortPlantKeys(ListBox3, collation_);
        else
            TrideniRostlin();
    }
}

void Kalkulace::TrideniRostlin() {
    sortPlantKeys(ListBox3, collation_);
    const std::size_t count = ListBox3.size();
    if (count == 0)
        return;
    if (static_cast<std::size_t>(StringGrid2.rowCount()) <= count)
        throwIndexOutOfBounds(static_cast<std::int64_t>(count));

    // ListBox4: the row numbers in sorted order; the names go straight from
    // the keys into the table.
    ListBox4.clear();
    ListBox5.clear();
    ListBox4.reserve(count);
    const std::size_t width = plantKeyWidth(count);
    for (std::size_t i = 0; i < count; ++i) {
        const PlantKeyParts parts = splitPlantKey(ListBox3[i], width);
        ListBox4.emplace_back(parts.number);
        StringGrid2.setCell(kNameColumn, static_cast<int>(i) + 1, parts.name);
    }
    // Each item row moves whole to the place of its name, a column at a time
    // through ListBox5, which ends holding the line totals in file order. A
    // bad row number stops the moves where they stand.
    for (const int column : {kQuantityColumn, kUnitPriceColumn, kLineTotalColumn}) {
        ListBox5.clear();
        ListBox5.reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            ListBox5.emplace_back(StringGrid2.cell(column, static_cast<int>(i) + 1));
        for (std::size_t i = 0; i < count; ++i) {
            const std::int64_t fileRow = parseWholeNumber(ListBox4[i]);
            if (fileRow < 1 || fileRow > static_cast<std::int64_t>(count))
                throwIndexOutOfBounds(fileRow - 1);
            StringGrid2.setCell(column, static_cast<int>(i) + 1,
                                ListBox5[static_cast<std::size_t>(fileRow - 1)]);
        }
    }
}

void Kalkulace::OpravaSeznamu() {
    ListBox6.clear();
    constexpr std::u16string_view kToolsTitle = u"Nástroje";
    std::size_t toolsLine = 0;
    bool found = false;
    for (std::size_t i = 0; i < ListBox1.size(); ++i) {
        const Text& line = ListBox1[i];
        if (line.size() > 7 && line.starts_with(kToolsTitle)) {
            toolsLine = i;
            found = true;
        }
    }
    if (!found || toolsLine == 0)
        return;
    ListBox6.assign(ListBox1.begin(), ListBox1.begin() + static_cast<std::ptrdiff_t>(toolsLine));
    ListBox6.push_back(ListBox1.back());
    ListBox1 = ListBox6;
}

}  // namespace ek::calc
