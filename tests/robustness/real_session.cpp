#include "robustness/real_session.h"

#include <algorithm>

#include "calc/error.h"
#include "platform/unicode.h"

namespace ek::test {

namespace fs = std::filesystem;

namespace {

// Changes into `folder` and answers it, so that the state notes it as its
// start directory.
const fs::path& enter(const fs::path& folder) {
    fs::current_path(folder);
    return folder;
}

std::unique_ptr<platform::Platform> systemPlatform(const fs::path& start,
                                                   std::vector<std::u16string>& messages) {
    platform::SystemPlatformOptions options;
    options.documentsFolder = platform::fromUtf8((start / "Dokumenty").string());
    options.messageSink = [&messages](const std::u16string& text) { messages.push_back(text); };
    fs::create_directories(start / "Dokumenty/Verdigo 2016/Material Lists");
    fs::create_directories(start / "Dokumenty/Verdigo 2016/Price Lists");
    enter(start);
    return platform::makeSystemPlatform(std::move(options));
}

}  // namespace

RealSession::RealSession()
    : testDirectory_(fs::current_path()),
      system_(systemPlatform(folder.path(), messages)),
      state(*system_, u',') {
    state.Nastavit();
}

RealSession::~RealSession() {
    std::error_code ignored;
    fs::current_path(testDirectory_, ignored);
}

fs::path RealSession::materialLists() const {
    return folder.path() / "Dokumenty/Verdigo 2016/Material Lists";
}

fs::path RealSession::priceLists() const {
    return folder.path() / "Dokumenty/Verdigo 2016/Price Lists";
}

int RealSession::indexOf(const calc::FileList& list, const std::string& name) {
    const auto found = std::find(list.items.begin(), list.items.end(), platform::fromUtf8(name));
    return found == list.items.end() ? -1 : static_cast<int>(found - list.items.begin());
}

void RealSession::pick(const std::string& name, const platform::Bytes& content) {
    writeBytes(materialLists() / name, content);
    state.Nastavit();
    state.FileListBox1.itemIndex = indexOf(state.FileListBox1, name);
}

std::string RealSession::read() {
    try {
        state.Prevod();
    } catch (const calc::CalcError& stop) {
        return stop.what();
    }
    return {};
}

std::string RealSession::read(const std::string& name, const platform::Bytes& content) {
    pick(name, content);
    return read();
}

}  // namespace ek::test
