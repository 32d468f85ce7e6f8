#include "platform/paths.h"

namespace ek::platform {

namespace {

bool isSeparator(char16_t c, char16_t separator) {
    return c == separator || c == u'/';
}

}  // namespace

bool endsWithSeparator(std::u16string_view path, char16_t separator) {
    return !path.empty() && isSeparator(path.back(), separator);
}

Path joinPath(std::u16string_view folder, std::u16string_view name, char16_t separator) {
    Path joined(folder);
    if (!endsWithSeparator(folder, separator))
        joined += separator;
    joined += name;
    return joined;
}

bool isAbsolutePath(std::u16string_view path) {
#ifdef _WIN32
    const bool drive = path.size() >= 3 && path[1] == u':' && isSeparator(path[2], u'\\');
    // A share ("\\server\x") and a path from the current drive's root ("\x",
    // "/x"): the current directory must not be put before either.
    const bool rooted = !path.empty() && isSeparator(path[0], u'\\');
    return drive || rooted;
#else
    return !path.empty() && path.front() == u'/';
#endif
}

FolderAndName splitPath(std::u16string_view path, char16_t separator) {
    std::size_t cut = path.size();
    while (cut > 0 && !isSeparator(path[cut - 1], separator))
        --cut;
    if (cut == 0)
        return {Path(), Path(path)};
    // The root's separator stays ("/", "C:\"), others are dropped.
    const bool root = cut == 1 || (cut == 3 && path[1] == u':');
    const std::size_t folderEnd = root ? cut : cut - 1;
    return {Path(path.substr(0, folderEnd)), Path(path.substr(cut))};
}

}  // namespace ek::platform
