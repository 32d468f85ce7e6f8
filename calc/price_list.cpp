#include "calc/price_list.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "calc/error.h"
#include "calc/windows1250.h"

namespace ek::calc {

namespace {

constexpr int kColumns = 4;
constexpr char16_t kFieldSeparator = u'\t';
constexpr std::size_t kCurrencySuffixLength = 3;

constexpr std::u16string_view kHeaderLine =
    u"Kategorie\tSystémový popis (nelze měnit)\tUživatelský popis (nebo mezera pro "
    u"systémový)\tJednotková cena";
constexpr std::u16string_view kEndLine = u"[End]";
constexpr std::u16string_view kCurrencySuffix = u" Kč";
constexpr std::u16string_view kLineEnd = u"\r\n";

// The fields of a price list line that the table keeps.
struct PriceItem {
    Text category;           // field 0
    Text systemDescription;  // field 1
    Text priceWithSuffix;    // field 3
};

PriceItem splitPriceLine(const Text& line) {
    PriceItem item;
    Text* const fields[] = {&item.category, &item.systemDescription, nullptr,
                            &item.priceWithSuffix};
    std::size_t field = 0;
    std::size_t start = 0;
    while (field < std::size(fields)) {
        const std::size_t end = line.find(kFieldSeparator, start);
        if (fields[field] != nullptr)
            *fields[field] = line.substr(start, end - start);
        if (end == Text::npos)
            break;
        start = end + 1;
        ++field;
    }
    return item;
}

Text withoutCurrencySuffix(const Text& price) {
    if (price.size() <= kCurrencySuffixLength)
        return {};
    return price.substr(0, price.size() - kCurrencySuffixLength);
}

Text decimalText(int value) {
    return fromUtf8(std::to_string(value));
}

Text itemLine(const TextGrid& table, int row) {
    Text line(table.cell(1, row));
    line += kFieldSeparator;
    line += table.cell(2, row);
    line += kFieldSeparator;
    line += kFieldSeparator;  // an empty user description
    line += table.cell(3, row);
    line += kCurrencySuffix;
    return line;
}

// The character at `index`: both halves of a surrogate pair.
Text characterAt(std::u16string_view text, std::size_t index) {
    const bool pair = index + 1 < text.size() && text[index] >= 0xD800 && text[index] <= 0xDBFF &&
                      text[index + 1] >= 0xDC00 && text[index + 1] <= 0xDFFF;
    return Text(text.substr(index, pair ? 2 : 1));
}

void requireEncodable(const Text& line, int row) {
    const std::size_t unencodable = findUnencodableWindows1250(line);
    if (unencodable == Text::npos)
        return;
    throw CalcError(u"Ceník nelze uložit: znak \"" + characterAt(line, unencodable) +
                    u"\" na řádku " + decimalText(row) + u" nelze zapsat v kódování Windows-1250.");
}

}  // namespace

TextGrid priceListTable(const TextList& lines) {
    const int lineCount = static_cast<int>(lines.size());
    TextGrid table(kColumns, lineCount > 1 ? lineCount - 1 : 1);
    for (int row = 1; row <= lineCount - 2; ++row) {
        const PriceItem item = splitPriceLine(lines[static_cast<std::size_t>(row)]);
        table.setCell(0, row, decimalText(row));
        table.setCell(1, row, item.category);
        table.setCell(2, row, item.systemDescription);
        table.setCell(3, row, withoutCurrencySuffix(item.priceWithSuffix));
    }
    return table;
}

std::string priceListFileBytes(const TextGrid& table) {
    Text file(kHeaderLine);
    file += kLineEnd;
    for (int row = 1; row < table.rowCount(); ++row) {
        const Text line = itemLine(table, row);
        requireEncodable(line, row);
        file += line;
        file += kLineEnd;
    }
    file += kEndLine;
    file += kLineEnd;
    return encodeWindows1250(file);
}

}  // namespace ek::calc
