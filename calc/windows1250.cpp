#include "calc/windows1250.h"

#include <stdexcept>
#include <utility>

#ifdef _WIN32
#include <windows.h>

#include <climits>
#else
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <cstdint>
#include <memory>
#include <vector>
#endif

namespace ek::calc {

#ifdef _WIN32

namespace {

constexpr UINT kCodePage = 1250;

int checkedLength(std::size_t size) {
    if (size > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long for the code page conversion");
    }
    return static_cast<int>(size);
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

const wchar_t* wide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

// Whether `count` code units (one character) have a byte of their own; no
// best-fit substitutes such as "A" for "Ā".
bool encodable(const char16_t* character, int count) {
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide(character), count,
                                            bytes, sizeof bytes, nullptr, &usedDefault);
    return written == 1 && !usedDefault;
}

}  // namespace

Text decodeWindows1250(std::string_view bytes) {
    if (bytes.empty())
        return {};
    const int length = checkedLength(bytes.size());
    const int needed = MultiByteToWideChar(kCodePage, 0, bytes.data(), length, nullptr, 0);
    Text text(static_cast<std::size_t>(needed), u'\0');
    MultiByteToWideChar(kCodePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(text.data()),
                        needed);
    return text;
}

std::size_t findUnencodableWindows1250(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (isHighSurrogate(unit) || isLowSurrogate(unit))
            return i;  // no 1250 byte, paired or not
        if (!encodable(&text[i], 1))
            return i;
    }
    return Text::npos;
}

std::string encodeWindows1250(std::u16string_view text) {
    if (findUnencodableWindows1250(text) != Text::npos) {
        throw std::invalid_argument("text not encodable in Windows-1250");
    }
    if (text.empty())
        return {};
    const int length = checkedLength(text.size());
    std::string bytes(text.size(), '\0');  // one byte per character, as checked above
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide(text.data()), length, bytes.data(),
                        length, nullptr, nullptr);
    return bytes;
}

#else  // ICU

namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A fresh converter per call keeps the functions free of shared state; ICU
// caches the table itself. Unmappable characters stop the conversion instead of
// turning into the substitute byte 0x1A.
Converter openConverter() {
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open("windows-1250", &status));
    if (U_FAILURE(status) || !converter) {
        throw std::runtime_error("ICU has no windows-1250 converter");
    }
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                          &status);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    if (U_FAILURE(status))
        throw std::runtime_error("cannot set up the windows-1250 converter");
    return converter;
}

struct EncodeResult {
    std::string bytes;
    std::size_t unencodableAt = Text::npos;
};

// ICU writes nothing at all for default-ignorable characters (zero-width
// space, byte-order mark, variation selectors ...). Such a character would
// vanish from the file unnoticed, so it counts as unencodable: the first source
// index that no output byte stems from.
std::size_t firstSkipped(const std::vector<int32_t>& offsets, std::size_t byteCount) {
    std::size_t expected = 0;
    for (std::size_t k = 0; k < byteCount; ++k) {
        const auto source = static_cast<std::size_t>(offsets[k]);
        if (source != expected)
            return expected;
        ++expected;
    }
    return expected;
}

EncodeResult encode(std::u16string_view text) {
    const Converter converter = openConverter();
    EncodeResult result;
    // A single-byte code page writes at most one byte per code unit.
    result.bytes.resize(text.size());
    std::vector<int32_t> offsets(text.size());
    const UChar* source = text.data();
    const UChar* const sourceEnd = text.data() + text.size();
    char* target = result.bytes.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_fromUnicode(converter.get(), &target, result.bytes.data() + result.bytes.size(), &source,
                     sourceEnd, offsets.data(), true, &status);
    const auto written = static_cast<std::size_t>(target - result.bytes.data());
    std::size_t stoppedAt = Text::npos;
    if (U_FAILURE(status)) {
        // The source has been consumed up to and including the offending
        // character; ICU hands back that character's code units.
        UChar invalid[4];
        int8_t invalidLength = sizeof invalid / sizeof invalid[0];
        UErrorCode lookup = U_ZERO_ERROR;
        ucnv_getInvalidUChars(converter.get(), invalid, &invalidLength, &lookup);
        const auto consumed = static_cast<std::size_t>(source - text.data());
        const auto offending = U_SUCCESS(lookup) ? static_cast<std::size_t>(invalidLength) : 1;
        stoppedAt = consumed >= offending ? consumed - offending : 0;
    }
    const std::size_t skipped = firstSkipped(offsets, written);
    const std::size_t converted = stoppedAt == Text::npos ? text.size() : stoppedAt;
    if (skipped < converted) {
        result.unencodableAt = skipped;
    } else {
        result.unencodableAt = stoppedAt;
    }
    result.bytes.resize(written);
    return result;
}

}  // namespace

Text decodeWindows1250(std::string_view bytes) {
    const Converter converter = openConverter();
    // Every byte of the code page is one BMP character.
    Text text(bytes.size(), u'\0');
    const char* source = bytes.data();
    UChar* target = text.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(converter.get(), &target, text.data() + text.size(), &source,
                   bytes.data() + bytes.size(), nullptr, true, &status);
    if (U_FAILURE(status))
        throw std::runtime_error("windows-1250 decoding failed");
    text.resize(static_cast<std::size_t>(target - text.data()));
    return text;
}

std::size_t findUnencodableWindows1250(std::u16string_view text) {
    return encode(text).unencodableAt;
}

std::string encodeWindows1250(std::u16string_view text) {
    EncodeResult result = encode(text);
    if (result.unencodableAt != Text::npos) {
        throw std::invalid_argument("text not encodable in Windows-1250");
    }
    return std::move(result.bytes);
}

#endif

}  // namespace ek::calc
