#include "host_path.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/unicode.h"

namespace ek::test {

namespace {

// Wine's kernel32 export for Unix -> DOS file names; absent on Windows.
using DosFileName = wchar_t* (*)(const char*);

DosFileName wineDosFileName() {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    return reinterpret_cast<DosFileName>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "wine_get_dos_file_name")));
}

}  // namespace

platform::Path hostPath(std::string_view path) {
    if (!path.empty() && path.front() == '/') {
        if (const DosFileName convert = wineDosFileName()) {
            const std::string unixPath(path);
            if (wchar_t* dos = convert(unixPath.c_str())) {
                const std::wstring_view text(dos);
                platform::Path converted(text.begin(), text.end());
                ::HeapFree(::GetProcessHeap(), 0, dos);
                return converted;
            }
        }
    }
    platform::Path converted = platform::fromUtf8(path);
    std::replace(converted.begin(), converted.end(), u'/', u'\\');
    return converted;
}

}  // namespace ek::test
