#include "fuzz/known_messages.h"

#include <algorithm>
#include <cctype>

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

}  // namespace

bool isNotIntegerMessage(std::string_view message) {
    return framedBy(message, "'", "' is not a valid integer value");
}

bool isIndexOutOfBoundsMessage(std::string_view message) {
    constexpr std::string_view before = "List index out of bounds (";
    constexpr std::string_view after = ")";
    return framedBy(message, before, after) &&
           isDecimal(message.substr(before.size(), message.size() - before.size() - after.size()));
}

bool isTooLargeMessage(std::string_view message) {
    return message == "Soubor je příliš velký (nejvýše 64 MiB).";
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
