#include "calc/office_path_file.h"

#include <string_view>

#include "calc/list_file.h"

namespace ek::calc {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

Text decodedText(const platform::Bytes& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const bool utf16 = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    if (!utf16 && platform::isValidUtf8(text)) {
        return fromUtf8(text.starts_with(kUtf8Mark) ? text.substr(kUtf8Mark.size()) : text);
    }
    return decodeListFile(bytes);
}

}  // namespace

Text officePathFromFile(const platform::Bytes& bytes) {
    return itemsOfText(decodedText(bytes)).front();
}

}  // namespace ek::calc
