#include "platform/mask.h"

namespace ek::platform {

namespace {

char16_t lowerAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? c + (u'a' - u'A') : c;
}

// '*' matches any run of characters, '?' any one character.
bool matchFrom(std::u16string_view name, std::u16string_view mask) {
    if (mask.empty())
        return name.empty();
    if (mask.front() == u'*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (matchFrom(name.substr(skip), mask.substr(1)))
                return true;
        }
        return false;
    }
    if (name.empty())
        return false;
    if (mask.front() != u'?' && lowerAscii(mask.front()) != lowerAscii(name.front()))
        return false;
    return matchFrom(name.substr(1), mask.substr(1));
}

}  // namespace

bool matchesMask(std::u16string_view name, std::u16string_view mask) {
    if (mask == u"*" || mask == u"*.*")
        return true;
    return matchFrom(name, mask);
}

}  // namespace ek::platform
