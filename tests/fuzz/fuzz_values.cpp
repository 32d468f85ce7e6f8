#include "fuzz/fuzz_values.h"

#include <bit>
#include <cstdint>
#include <limits>

#include "calc/windows1250.h"

namespace ek::fuzz {

namespace {

using Kind = ExpectedCell::Kind;

ExpectedCell number(double value) {
    return {Kind::Number, {}, value};
}

template <class T>
GeneratedValue integer(T value) {
    return {xls::Variant(value), number(static_cast<double>(value))};
}

// A text repeated up to `length` code units (a pattern of surrogate pairs
// puts a pair across every cut).
std::u16string repeated(const std::u16string& pattern, std::size_t length) {
    std::u16string text;
    text.reserve(length);
    while (text.size() < length)
        text += pattern.empty() ? u"x" : pattern;
    text.resize(length);
    return text;
}

std::u16string longText(FuzzInput& input) {
    // Around a record's 8224 bytes, the first SST piece, a cell's 32 767 code
    // units and a cch's 16 bits.
    // Decoded one after the other whatever the compiler: one input, one run.
    const std::size_t around = input.pick<std::size_t>(
        {4105, 4106, 4107, 8220, 8221, 8224, 16000, 32766, 32767, 32768, 32769, 65535, 65536});
    const std::size_t length = around + input.below(3);
    const std::u16string pattern = input.flag() ? std::u16string(u"\U0001F600") : input.text(6);
    return repeated(pattern, length);
}

std::u16string specialText(FuzzInput& input) {
    return input.pick<std::u16string>({u"", u"'", u"'007", u"=1+1", u"'=A1", u"a\nb", u" ", u"\n",
                                       u"\U0001F600", u"\xD83D", u"\xDE00", u"Žluťoučký kůň",
                                       u"\u00A0", u"\uFEFF", u"\uFFFF"});
}

// Windows-1250 bytes that the code page defines.
std::string windows1250Bytes(FuzzInput& input) {
    std::string bytes;
    const std::size_t length = input.below(20);
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t byte = input.byte();
        const bool undefined =
            byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
        bytes.push_back(static_cast<char>(undefined || byte == 0 ? 'x' : byte));
    }
    return bytes;
}

GeneratedValue codePageValue(FuzzInput& input) {
    if (input.flag()) {
        const std::string bytes = windows1250Bytes(input);
        return {xls::Variant::FromCodePage(bytes, 1250),
                assignedText(calc::decodeWindows1250(bytes))};
    }
    // ASCII reads the same in every code page, known or not.
    std::string bytes;
    std::u16string text;
    for (std::size_t i = input.below(12); i > 0; --i) {
        const char c = static_cast<char>(0x20 + input.below(0x5F));
        bytes.push_back(c);
        text.push_back(static_cast<char16_t>(c));
    }
    const unsigned codePage = input.pick<unsigned>({1252, 1251, 437, 0, 65001, 99999});
    return {xls::Variant::FromCodePage(bytes, codePage), assignedText(text)};
}

}  // namespace

ExpectedCell assignedText(const std::u16string& text) {
    if (text.empty())
        return {};
    return {Kind::Text, cellText(text.front() == u'\'' ? text.substr(1) : text), 0.0};
}

ExpectedCell literalText(const std::u16string& text) {
    if (text.empty())
        return {};
    return {Kind::Text, cellText(text), 0.0};
}

std::u16string generateText(FuzzInput& input) {
    switch (input.below(8)) {
        case 0:
            return specialText(input);
        case 1:
            return longText(input);
        case 2: {
            const std::u16string special = specialText(input);
            return special + input.text(8);
        }
        default:
            return input.text(16);
    }
}

double generateDouble(FuzzInput& input) {
    if (input.flag())
        return std::bit_cast<double>(input.u64());
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    return input.pick<double>({0.0, -0.0, 1.0, -1.0, 0.5, 1.5, 0.01, 1234.56, 536870911.0,
                               536870912.0, -536870912.0, 5368709.12, 9007199254740993.0, 1e308,
                               5e-324, kInfinity, -kInfinity,
                               std::numeric_limits<double>::quiet_NaN()});
}

int generateIndex(FuzzInput& input) {
    const std::uint8_t choice = input.byte();
    if (choice < 200)
        return 1 + choice % 40;
    return input.pick<int>({-1, 0, 1, 2, 255, 256, 257, 1000, 65535, 65536, 65537, 70000,
                            std::numeric_limits<int>::min(), std::numeric_limits<int>::max()});
}

int generateSetting(FuzzInput& input) {
    if (input.flag())
        return static_cast<int>(input.u32());
    return input.pick<int>({-4105, -4142, -4131, -4108, -4152, -4130, -4117, -1, 0,   1,
                            2,     5,     7,     8,     55,    56,    57,    64, 100, 65535});
}

GeneratedValue generateValue(FuzzInput& input) {
    switch (input.below(16)) {
        case 0:
            return {xls::Variant(), {}};
        case 1:
            return {xls::Variant::Null(), {}};
        case 2:
            return integer(static_cast<std::int8_t>(input.byte()));
        case 3:
            return integer(input.byte());
        case 4:
            return integer(static_cast<std::int16_t>(input.u16()));
        case 5:
            return integer(input.u16());
        case 6:
            return integer(static_cast<std::int32_t>(input.u32()));
        case 7:
            return integer(input.u32());
        case 8:
            return integer(static_cast<std::int64_t>(input.u64()));
        case 9:
            return integer(input.u64());
        case 10: {
            const float value = std::bit_cast<float>(input.u32());
            return {xls::Variant(value), number(static_cast<double>(value))};
        }
        case 11: {
            const double value = generateDouble(input);
            return {xls::Variant(value), number(value)};
        }
        case 12: {
            const auto tenThousandths = static_cast<std::int64_t>(input.u64());
            return {xls::Variant::Currency(tenThousandths),
                    number(static_cast<double>(tenThousandths) / 10000.0)};
        }
        case 13: {
            const double serial = generateDouble(input);
            return {xls::Variant::Date(serial), number(serial)};
        }
        case 14: {
            const bool value = input.flag();
            return {xls::Variant(value), {Kind::Boolean, {}, value ? 1.0 : 0.0}};
        }
        default:
            if (input.flag())
                return codePageValue(input);
            const std::u16string text = generateText(input);
            return {xls::Variant(text), assignedText(text)};
    }
}

}  // namespace ek::fuzz
