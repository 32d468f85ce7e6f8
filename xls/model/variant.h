#pragma once

// Variant, the value type of the automation-style surface: empty, null,
// integers, floating point, currency, date, boolean, UTF-16 text or code-page
// text, with the conversions the setters need.

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace xls {

enum class VariantType : std::uint8_t {
    Empty,
    Null,
    Int8,
    UInt8,
    Int16,
    UInt16,
    Int32,
    UInt32,
    Int64,
    UInt64,
    Single,
    Double,
    Currency,
    Date,
    Boolean,
    Text,      // UTF-16
    CodePage,  // single-byte text in a Windows code page, decoded when used
};

// The value handed to Value, ColumnWidth, Merge and WrapText: the subset of
// an OLE Variant the library understands. Arrays are not supported.
class Variant {
  public:
    // Windows-1250, the code page of this program's own single-byte texts.
    static constexpr unsigned kCentralEuropeanCodePage = 1250;

    Variant() = default;  // empty
    Variant(bool value) : type_(VariantType::Boolean), value_(value) {}
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char> && !std::same_as<T, char8_t> &&
             !std::same_as<T, char16_t> && !std::same_as<T, char32_t> && !std::same_as<T, wchar_t>)
        Variant(T value)
        : type_(IntegerType<T>()), value_(Widen(value)) {}
    Variant(float value) : type_(VariantType::Single), value_(static_cast<double>(value)) {}
    Variant(double value) : type_(VariantType::Double), value_(value) {}
    Variant(std::u16string text) : type_(VariantType::Text), value_(std::move(text)) {}
    Variant(std::u16string_view text) : Variant(std::u16string(text)) {}
    Variant(const char16_t* text) : Variant(std::u16string(text)) {}

    static Variant Null();
    // Currency: a fixed-point amount in ten-thousandths, as OLE holds it.
    static Variant Currency(std::int64_t tenThousandths);
    // Date: days since 30 December 1899, as OLE holds it.
    static Variant Date(double serial);
    static Variant FromCodePage(std::string bytes, unsigned codePage = kCentralEuropeanCodePage);

    VariantType Type() const { return type_; }
    bool IsEmptyOrNull() const { return type_ == VariantType::Empty || type_ == VariantType::Null; }
    bool IsNumeric() const;  // integers, single, double, currency
    bool IsText() const { return type_ == VariantType::Text || type_ == VariantType::CodePage; }

    // The stored number as a double: integers, single, double, currency
    // (scaled), date and boolean (1.0 / 0.0). Empty for every other type.
    std::optional<double> Number() const;
    // OLE-style conversions for the properties that take any Variant: numbers
    // (True is -1), numeric text; empty/null convert to 0 / false.
    // std::nullopt when no conversion exists.
    std::optional<double> ToDouble() const;
    std::optional<bool> ToBoolean() const;
    // The text as UTF-16 (code-page texts decoded); empty for non-texts.
    std::u16string Text() const;
    // A UTF-16 text without copying it; empty for every other type.
    std::u16string_view TextView() const;
    unsigned CodePageNumber() const;

  private:
    struct CodePageText {
        std::string bytes;
        unsigned codePage = kCentralEuropeanCodePage;
    };
    using Storage = std::variant<std::monostate, bool, std::int64_t, std::uint64_t, double,
                                 std::u16string, CodePageText>;

    Variant(VariantType type, Storage value) : type_(type), value_(std::move(value)) {}

    template <class T>
    static constexpr VariantType IntegerType() {
        constexpr bool isSigned = std::is_signed_v<T>;
        if constexpr (sizeof(T) == 1) {
            return isSigned ? VariantType::Int8 : VariantType::UInt8;
        } else if constexpr (sizeof(T) == 2) {
            return isSigned ? VariantType::Int16 : VariantType::UInt16;
        } else if constexpr (sizeof(T) == 4) {
            return isSigned ? VariantType::Int32 : VariantType::UInt32;
        } else {
            return isSigned ? VariantType::Int64 : VariantType::UInt64;
        }
    }
    template <class T>
    static Storage Widen(T value) {
        if constexpr (std::is_signed_v<T>) {
            return static_cast<std::int64_t>(value);
        } else {
            return static_cast<std::uint64_t>(value);
        }
    }

    VariantType type_ = VariantType::Empty;
    Storage value_;
};

}  // namespace xls
