#include "sample_files.h"

namespace ek::test {

platform::Bytes utf16File(std::u16string_view text) {
    platform::Bytes bytes{0xFF, 0xFE};
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::u16string workedExampleText() {
    return u"Zahrada u domu\r\n"
           u"Rostliny projektu zahrady\r\n"
           u"Položka 1 Acer campestre - javor babyka;\t3\t1\u00A0250,00 Kč\t3\u00A0750,00 Kč\r\n"
           u"Ostatní objekty zahrady\r\n"
           u"Lavička (dřevo/kov)\t2\t4\u00A0500,00 Kč\t9\u00A0000,00 Kč\r\n"
           u"Nástroje\r\n"
           u"Lampa\t1\t980,00 Kč\t980,00 Kč\r\n"
           u"Konec\r\n";
}

}  // namespace ek::test
