#include "reading_fixture.h"

#include <algorithm>

#include "calc/error.h"
#include "sample_files.h"

namespace ek::test {

namespace {

FakePlatform& withHostFolders(FakePlatform& fake) {
    addHostFolders(fake);
    return fake;
}

}  // namespace

ReadingFixture::ReadingFixture(char16_t decimalSeparator)
    : k(withHostFolders(fake), decimalSeparator) {}

void ReadingFixture::pick(const std::u16string& name, const std::u16string& text) {
    pickBytes(name, utf16File(text));
}

void ReadingFixture::pickBytes(const std::u16string& name, const platform::Bytes& content) {
    fake.addFile(std::u16string(kMaterialLists) + name, content);
    k.Nastavit();
    const auto& items = k.FileListBox1.items;
    const auto found = std::find(items.begin(), items.end(), name);
    ASSERT_NE(found, items.end());
    k.FileListBox1.itemIndex = static_cast<int>(found - items.begin());
}

void ReadingFixture::read(const std::u16string& text) {
    pick(u"Projekt.txt", text);
    k.Prevod();
}

std::string ReadingFixture::errorOf(void (calc::Kalkulace::*operation)()) {
    try {
        (k.*operation)();
    } catch (const calc::CalcError& error) {
        return error.what();
    }
    return "no error";
}

std::u16string linesText(std::initializer_list<std::u16string> lines) {
    std::u16string text;
    for (const std::u16string& line : lines)
        text += line + u"\r\n";
    return text;
}

}  // namespace ek::test
