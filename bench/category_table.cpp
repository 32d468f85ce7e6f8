#include "bench/category_table.h"

#include <array>
#include <string>

namespace ek::bench {

namespace {

constexpr int kColumns = 5;

calc::Text decimal(int value) {
    const std::string digits = std::to_string(value);
    return calc::Text(digits.begin(), digits.end());
}

constexpr std::array<std::u16string_view, kColumns> kUniquePrefixes{u"", u"Položka číslo ", u"",
                                                                    u"", u""};
constexpr std::array<std::u16string_view, kColumns> kUniqueSuffixes{u"", u" – javor babyka", u" ks",
                                                                    u",00 Kč", u",50 Kč"};
constexpr std::array<std::u16string_view, 4> kRepeated{u"3", u"Lípa srdčitá", u"1 250,00 Kč",
                                                       u"m²"};

calc::Text itemCell(int row, int column) {
    if ((row + column) % 2 == 0)
        return calc::Text(kUniquePrefixes[column]) + decimal(row) +
               calc::Text(kUniqueSuffixes[column]);
    return calc::Text(kRepeated[static_cast<std::size_t>(row + column) / 2 % kRepeated.size()]);
}

}  // namespace

calc::TextGrid categoryTable(int items) {
    calc::TextGrid table(kColumns, items + 2);
    const std::array<std::u16string_view, kColumns> header{u"por.", u"     Jméno rostliny", u"kusů",
                                                           u"kus. cena", u"cena celkem"};
    for (int column = 0; column < kColumns; ++column) {
        table.setCell(column, 0, calc::Text(header[column]));
        for (int row = 1; row <= items; ++row)
            table.setCell(column, row, itemCell(row, column));
    }
    table.setCell(1, items + 1, u"Celková cena rostlin");
    table.setCell(4, items + 1, u" 1 234 567,89");
    return table;
}

std::size_t tableBytes(const calc::TextGrid& table) {
    constexpr std::size_t kBytesPerCell = 8;  // where its text lies in the table's block
    return table.textUnits() * sizeof(char16_t) +
           static_cast<std::size_t>(table.rowCount()) *
               static_cast<std::size_t>(table.columnCount()) * kBytesPerCell;
}

}  // namespace ek::bench
