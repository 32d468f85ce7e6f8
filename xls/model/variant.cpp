#include "xls/model/variant.h"

#include <charconv>
#include <cmath>

#include "xls/model/code_page.h"

namespace xls {

namespace {

// Numeric text as OLE converts it for a numeric property: optional blanks
// around a decimal number with a point or a comma.
std::optional<double> ParseNumber(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == u' ') {
        text.remove_suffix(1);
    }
    if (text.empty() || text.size() > 64) {
        return std::nullopt;
    }
    std::string narrow;
    for (char16_t unit : text) {
        if (unit > 0x7F) {
            return std::nullopt;
        }
        narrow.push_back(unit == u',' ? '.' : static_cast<char>(unit));
    }
    double value = 0.0;
    const char* first = narrow.data();
    const char* last = first + narrow.size();
    if (*first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool EqualsIgnoringCase(std::u16string_view text, std::u16string_view lowerWord) {
    if (text.size() != lowerWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t unit = text[i];
        if (unit >= u'A' && unit <= u'Z') {
            unit = static_cast<char16_t>(unit - u'A' + u'a');
        }
        if (unit != lowerWord[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

Variant Variant::Null() {
    return Variant(VariantType::Null, std::monostate{});
}

Variant Variant::Currency(std::int64_t tenThousandths) {
    return Variant(VariantType::Currency, tenThousandths);
}

Variant Variant::Date(double serial) {
    return Variant(VariantType::Date, serial);
}

Variant Variant::FromCodePage(std::string bytes, unsigned codePage) {
    return Variant(VariantType::CodePage, CodePageText{std::move(bytes), codePage});
}

bool Variant::IsNumeric() const {
    switch (type_) {
        case VariantType::Int8:
        case VariantType::UInt8:
        case VariantType::Int16:
        case VariantType::UInt16:
        case VariantType::Int32:
        case VariantType::UInt32:
        case VariantType::Int64:
        case VariantType::UInt64:
        case VariantType::Single:
        case VariantType::Double:
        case VariantType::Currency:
            return true;
        default:
            return false;
    }
}

std::optional<double> Variant::Number() const {
    if (type_ == VariantType::Currency) {
        return static_cast<double>(std::get<std::int64_t>(value_)) / 10000.0;
    }
    if (const auto* value = std::get_if<std::int64_t>(&value_)) {
        return static_cast<double>(*value);
    }
    if (const auto* value = std::get_if<std::uint64_t>(&value_)) {
        return static_cast<double>(*value);
    }
    if (const auto* value = std::get_if<double>(&value_)) {
        return *value;
    }
    if (const auto* value = std::get_if<bool>(&value_)) {
        return *value ? 1.0 : 0.0;
    }
    return std::nullopt;
}

std::optional<double> Variant::ToDouble() const {
    if (IsEmptyOrNull()) {
        return 0.0;
    }
    if (type_ == VariantType::Boolean) {
        return std::get<bool>(value_) ? -1.0 : 0.0;
    }
    if (IsText()) {
        return ParseNumber(Text());
    }
    return Number();
}

std::optional<bool> Variant::ToBoolean() const {
    if (type_ == VariantType::Boolean) {
        return std::get<bool>(value_);
    }
    if (IsText()) {
        const std::u16string text = Text();
        if (EqualsIgnoringCase(text, u"true")) {
            return true;
        }
        if (EqualsIgnoringCase(text, u"false")) {
            return false;
        }
    }
    const std::optional<double> number = ToDouble();
    if (!number) {
        return std::nullopt;
    }
    return *number != 0.0;
}

std::u16string Variant::Text() const {
    if (const auto* text = std::get_if<std::u16string>(&value_)) {
        return *text;
    }
    if (const auto* text = std::get_if<CodePageText>(&value_)) {
        return DecodeCodePage(text->bytes, text->codePage);
    }
    return {};
}

std::u16string_view Variant::TextView() const {
    if (const auto* text = std::get_if<std::u16string>(&value_)) {
        return *text;
    }
    return {};
}

unsigned Variant::CodePageNumber() const {
    if (const auto* text = std::get_if<CodePageText>(&value_)) {
        return text->codePage;
    }
    return 1200;
}

}  // namespace xls
