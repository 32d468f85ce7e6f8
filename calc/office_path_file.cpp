#include "calc/office_path_file.h"

#include <string_view>

#include "calc/list_file.h"

namespace ek::calc {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Decoding replaces every invalid sequence, so only valid UTF-8 comes back
// unchanged from a round trip.
bool isValidUtf8(std::string_view text) {
    return toUtf8(fromUtf8(text)) == text;
}

Text decodedText(const platform::Bytes& bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const bool utf16 = bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    if (!utf16 && isValidUtf8(text)) {
        return fromUtf8(text.starts_with(kUtf8Mark) ? text.substr(kUtf8Mark.size()) : text);
    }
    return decodeListFile(bytes);
}

}  // namespace

Text officePathFromFile(const platform::Bytes& bytes) {
    return itemsOfText(decodedText(bytes)).front();
}

}  // namespace ek::calc
