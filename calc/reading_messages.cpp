#include "calc/reading_messages.h"

#include "calc/list_file.h"
#include "calc/whole_number.h"

namespace ek::calc {

namespace {

Text quoted(std::u16string_view text) {
    return u"\"" + Text(text) + u"\"";
}

Text fileLine(const Text& path, std::int64_t line) {
    return u"Soubor " + quoted(path) + u", řádek " + decimalText(line) + u": ";
}

constexpr std::u16string_view kBeyondRange = u"přesahuje největší částku, kterou program sečte.";

}  // namespace

Text noFileSelectedMessage() {
    return u"V seznamu souborů není vybrán žádný soubor.";
}

Text fileTooLargeMessage(const Text& path) {
    return u"Soubor " + quoted(path) + u" je příliš velký (nejvýše 64 MiB).";
}

Text tooManyLinesMessage(const Text& path) {
    return u"Soubor " + quoted(path) + u" má víc než " + Text(kLargestLineCountText) +
           u" řádků; seznam kalkulace jich tolik mít nemůže.";
}

Text noCategoryTitleMessage(const Text& path) {
    return u"Soubor " + quoted(path) +
           u" neobsahuje nadpis žádné kategorie (například \"Rostliny projektu zahrady\"); "
           u"není to seznam kalkulace, nebo je v kódování, které program nezná.";
}

Text repeatedTitleMessage(const Text& path, std::u16string_view title, std::int64_t firstLine,
                          std::int64_t secondLine) {
    return u"Soubor " + quoted(path) + u" má nadpis kategorie " + quoted(title) +
           u" dvakrát, na řádku " + decimalText(firstLine) + u" a na řádku " +
           decimalText(secondLine) + u"; nelze určit, ke které kategorii patří položky.";
}

Text notAnAmountMessage(const Text& path, std::int64_t line, std::u16string_view field) {
    if (field.empty())
        return fileLine(path, line) + u"chybí cena celkem (čtvrté pole řádku).";
    return fileLine(path, line) + u"cena celkem " + quoted(field) + u" není platná částka.";
}

Text categorySumTooLargeMessage(const Text& path, std::int64_t line, std::u16string_view title) {
    return fileLine(path, line) + u"součet kategorie " + quoted(title) + u" " + Text(kBeyondRange);
}

Text projectTotalTooLargeMessage(const Text& path, std::u16string_view title,
                                 std::int64_t headerLine) {
    return u"Soubor " + quoted(path) + u": celková cena s kategorií " + quoted(title) +
           u" (nadpis na řádku " + decimalText(headerLine) + u") " + Text(kBeyondRange);
}

}  // namespace ek::calc
