#include "app/printed_state.h"

#include "calc/categories.h"

namespace ek::app {

namespace {

std::string heading(std::u16string_view title, std::u16string_view name) {
    return "== " + calc::toUtf8(title) + " (" + calc::toUtf8(name) + ") ==\n";
}

std::string trimmed(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u' ');
    return calc::toUtf8(text.substr(first, last - first + 1));
}

}  // namespace

std::string printedTable(const calc::TextGrid& table) {
    std::string out;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column) {
            if (column > 0)
                out += '\t';
            out += calc::toUtf8(table.cell(column, row));
        }
        out += '\n';
    }
    return out;
}

std::string printedCalculation(const calc::Kalkulace& state) {
    std::string out =
        heading(u"Pracovní tabulka", u"StringGrid1") + printedTable(state.StringGrid1);
    for (std::size_t c = 0; c < calc::kCategoryCount; ++c) {
        const calc::Category& category = calc::kCategories[c];
        out += "\n== " + trimmed(category.tabCaption) + " (" + calc::toUtf8(category.tableName) +
               ") ==\n";
        out += printedTable(state.categoryTable(c));
        out += "Dílčí součet\t" + calc::toUtf8(state.subtotalItem(c)) + "\n";
    }
    out += "\nCelková cena\t" + calc::toUtf8(state.INF_celkova_cena) + "\n";
    return out;
}

}  // namespace ek::app
