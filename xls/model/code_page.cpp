#include "xls/model/code_page.h"

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/ucnv.h>
#endif

namespace xls {

namespace {

constexpr unsigned kFallbackCodePage = 1252;

#ifdef _WIN32

std::u16string Decode(std::string_view bytes, unsigned codePage, bool& ok) {
    std::u16string text;
    if (bytes.empty()) {
        ok = true;
        return text;
    }
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        ok = false;
        return text;
    }
    text.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(codePage, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                        length);
    ok = true;
    return text;
}

#else

// A single-byte code page never yields more units than bytes, so one
// conversion into a buffer of that size is enough.
std::u16string Decode(std::string_view bytes, unsigned codePage, bool& ok) {
    std::u16string text;
    const std::string name = "windows-" + std::to_string(codePage);
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(name.c_str(), &status);
    if (U_FAILURE(status) || converter == nullptr) {
        ok = false;
        return text;
    }
    text.resize(bytes.size() * 2 + 1);
    status = U_ZERO_ERROR;
    const int32_t length = ucnv_toUChars(converter, text.data(), static_cast<int32_t>(text.size()),
                                         bytes.data(), static_cast<int32_t>(bytes.size()), &status);
    ucnv_close(converter);
    if (U_FAILURE(status)) {
        ok = false;
        return {};
    }
    text.resize(static_cast<std::size_t>(length));
    ok = true;
    return text;
}

#endif

}  // namespace

std::u16string DecodeCodePage(std::string_view bytes, unsigned codePage) {
    bool ok = false;
    std::u16string text = Decode(bytes, codePage, ok);
    if (!ok && codePage != kFallbackCodePage) {
        text = Decode(bytes, kFallbackCodePage, ok);
    }
    return text;
}

}  // namespace xls
