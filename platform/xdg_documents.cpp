#include "platform/xdg_documents.h"

#include <sstream>

namespace ek::platform {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// XDG_DOCUMENTS_DIR="$HOME/Dokumenty" or an absolute path; "" when absent.
std::string documentsEntry(const std::string& content, const std::string& home) {
    std::istringstream lines(content);
    std::string line;
    std::string found;
    while (std::getline(lines, line)) {
        line = trimmed(line);
        const std::string key = "XDG_DOCUMENTS_DIR=";
        if (line.rfind(key, 0) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        } else if (value.empty() || value.front() != '/') {
            continue;
        }
        found = value;
    }
    while (found.size() > 1 && found.back() == '/')
        found.pop_back();
    return found;
}

}  // namespace

std::string documentsFromUserDirs(const std::string& userDirsContent, const std::string& home) {
    std::string documents = documentsEntry(userDirsContent, home);
    // A documents folder equal to $HOME is how the file says "disabled".
    if (!documents.empty() && documents != home)
        return documents;
    if (home.empty())
        return {};
    return home + "/Documents";
}

}  // namespace ek::platform
