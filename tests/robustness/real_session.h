#pragma once
// The working state over the machine's own platform, with the documents
// folder in a scratch folder that holds the host's two folders, and the
// start directory there too (for "open_office_full_exe_name.txt").

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "calc/kalkulace.h"
#include "platform/platform.h"
#include "robustness/real_folder.h"

namespace ek::test {

class RealSession {
  public:
    RealSession();
    RealSession(const RealSession&) = delete;
    RealSession& operator=(const RealSession&) = delete;
    ~RealSession();  // back to the directory the test started in

    std::filesystem::path startFolder() const { return folder.path(); }
    std::filesystem::path materialLists() const;
    std::filesystem::path priceLists() const;

    // Writes `content` into the material lists, lists them and selects it.
    void pick(const std::string& name, const platform::Bytes& content);
    // Prevod: its message, empty when the reading completed.
    std::string read();
    // pick, then read.
    std::string read(const std::string& name, const platform::Bytes& content);
    // The index of `name` in a file list's items (-1 when absent).
    static int indexOf(const calc::FileList& list, const std::string& name);

    RealFolder folder;
    std::vector<std::u16string> messages;

  private:
    std::filesystem::path testDirectory_;
    std::unique_ptr<platform::Platform> system_;

  public:
    calc::Kalkulace state;  // last: it needs the platform
};

}  // namespace ek::test
