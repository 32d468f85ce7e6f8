#include "xls/model/sheet_name.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#endif

namespace xls {

namespace {
constexpr std::u16string_view kForbiddenCharacters = u"[:*?/\\]";
}  // namespace

bool SameSheetName(std::u16string_view a, std::u16string_view b) {
#ifdef _WIN32
    return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()),
                                static_cast<int>(a.size()),
                                reinterpret_cast<const wchar_t*>(b.data()),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
#else
    UErrorCode status = U_ZERO_ERROR;
    const int32_t order =
        u_strCaseCompare(a.data(), static_cast<int32_t>(a.size()), b.data(),
                         static_cast<int32_t>(b.size()), U_FOLD_CASE_DEFAULT, &status);
    return U_SUCCESS(status) && order == 0;
#endif
}

bool IsAcceptableSheetName(std::u16string_view name, std::span<const std::u16string_view> others) {
    if (name.empty() || name.size() > kMaxSheetNameLength) {
        return false;
    }
    if (name.find_first_of(kForbiddenCharacters) != std::u16string_view::npos) {
        return false;
    }
    if (name.front() == u'\'' || name.back() == u'\'') {
        return false;
    }
    for (std::u16string_view other : others) {
        if (SameSheetName(name, other)) {
            return false;
        }
    }
    return true;
}

}  // namespace xls
