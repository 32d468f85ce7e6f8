#include "calc/reading_messages.h"

#include <initializer_list>

#include "calc/list_file.h"
#include "calc/whole_number.h"

namespace ek::calc {

namespace {

// The message's pieces one after the other. (Appended rather than joined with
// +: GCC 12 at -O3 warns of a false overlap in u"..." + Text&&, -Wrestrict.)
Text joined(std::initializer_list<std::u16string_view> pieces) {
    Text text;
    for (const std::u16string_view piece : pieces)
        text += piece;
    return text;
}

constexpr std::u16string_view kBeyondRange = u"přesahuje největší částku, kterou program sečte.";

}  // namespace

Text noFileSelectedMessage() {
    return u"V seznamu souborů není vybrán žádný soubor.";
}

Text fileTooLargeMessage(const Text& path) {
    return joined({u"Soubor \"", path, u"\" je příliš velký (nejvýše 64 MiB)."});
}

Text tooManyLinesMessage(const Text& path) {
    return joined({u"Soubor \"", path, u"\" má víc než ", kLargestLineCountText,
                   u" řádků; seznam kalkulace jich tolik mít nemůže."});
}

Text noCategoryTitleMessage(const Text& path) {
    return joined({u"Soubor \"", path,
                   u"\" neobsahuje nadpis žádné kategorie (například \"Rostliny projektu "
                   u"zahrady\"); není to seznam kalkulace, nebo je v kódování, které program "
                   u"nezná."});
}

Text repeatedTitleMessage(const Text& path, std::u16string_view title, std::int64_t firstLine,
                          std::int64_t secondLine) {
    return joined({u"Soubor \"", path, u"\" má nadpis kategorie \"", title,
                   u"\" dvakrát, na řádku ", decimalText(firstLine), u" a na řádku ",
                   decimalText(secondLine), u"; nelze určit, ke které kategorii patří položky."});
}

Text notAnAmountMessage(const Text& path, std::int64_t line, std::u16string_view field) {
    const Text number = decimalText(line);
    if (field.empty()) {
        return joined({u"Soubor \"", path, u"\", řádek ", number,
                       u": chybí cena celkem (čtvrté pole řádku)."});
    }
    return joined({u"Soubor \"", path, u"\", řádek ", number, u": cena celkem \"", field,
                   u"\" není platná částka."});
}

Text categorySumTooLargeMessage(const Text& path, std::int64_t line, std::u16string_view title) {
    return joined({u"Soubor \"", path, u"\", řádek ", decimalText(line), u": součet kategorie \"",
                   title, u"\" ", kBeyondRange});
}

Text projectTotalTooLargeMessage(const Text& path, std::u16string_view title,
                                 std::int64_t headerLine) {
    return joined({u"Soubor \"", path, u"\": celková cena s kategorií \"", title,
                   u"\" (nadpis na řádku ", decimalText(headerLine), u") ", kBeyondRange});
}

}  // namespace ek::calc
