#include "fuzz/known_messages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace ek::fuzz {

namespace {

bool isDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool framedBy(std::string_view message, std::string_view before, std::string_view after) {
    return message.size() >= before.size() + after.size() && message.starts_with(before) &&
           message.ends_with(after);
}

// `text` begins with ", řádek N: " (a line number); the rest after it.
bool afterLineNumber(std::string_view text, std::string_view& rest) {
    constexpr std::string_view kLine = ", řádek ";
    if (!text.starts_with(kLine))
        return false;
    text.remove_prefix(kLine.size());
    const std::size_t colon = text.find(": ");
    if (colon == std::string_view::npos || !isDecimal(text.substr(0, colon)))
        return false;
    rest = text.substr(colon + 2);
    return true;
}

}  // namespace

bool isReadingStopMessage(std::string_view message, std::string_view path) {
    const std::string file = "Soubor \"" + std::string(path) + "\"";
    if (!message.starts_with(file))
        return false;
    const std::string_view after = message.substr(file.size());
    constexpr std::string_view kBeyondRange = "přesahuje největší částku, kterou program sečte.";
    std::string_view line;
    if (afterLineNumber(after, line)) {
        return framedBy(line, "cena celkem \"", "\" není platná částka.") ||
               line == "chybí cena celkem (čtvrté pole řádku)." ||
               framedBy(line, "součet kategorie \"", kBeyondRange);
    }
    return framedBy(after, ": celková cena s kategorií \"", kBeyondRange) ||
           framedBy(after, " má nadpis kategorie \"",
                    "; nelze určit, ke které kategorii patří položky.") ||
           after.starts_with(" neobsahuje nadpis žádné kategorie ");
}

bool isUnwritablePriceListMessage(std::string_view message) {
    constexpr std::string_view before = "Ceník nelze uložit: znak \"";
    constexpr std::string_view after = " nelze zapsat v kódování Windows-1250.";
    constexpr std::string_view rowMark = "\" na řádku ";
    if (!framedBy(message, before, after))
        return false;
    const std::string_view middle =
        message.substr(before.size(), message.size() - before.size() - after.size());
    const std::size_t mark = middle.rfind(rowMark);
    return mark != std::string_view::npos && mark > 0 &&
           isDecimal(middle.substr(mark + rowMark.size()));
}

}  // namespace ek::fuzz
