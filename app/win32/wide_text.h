#pragma once
// The working state's UTF-16 text and the wide-character text of the Windows
// calls are the same code units: they pass unchanged either way.

#include <string>
#include <string_view>

namespace ek::app::win32 {

inline std::wstring wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string stateText(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace ek::app::win32
