#pragma once
// The bundled sample documents in a fresh folder of the real file system, for
// tests that run the tool on them with the system's platform; and the test's
// current directory kept while the tool changes it.

#include <filesystem>
#include <string_view>

#include "temporary_folder.h"

namespace ek::test {

// A copy of samples/Documents (the host's folders with their material lists
// and price list) in a temporary folder, removed with everything in it.
class SampleDocuments {
  public:
    explicit SampleDocuments(std::string_view prefix = "ek-samples-");

    // The temporary folder; the copy is its "Documents".
    const std::filesystem::path& root() const { return root_.path(); }
    std::filesystem::path documents() const { return root() / "Documents"; }
    std::filesystem::path materialLists() const;

  private:
    TemporaryFolder root_;
};

// Puts the current directory back when it goes: the tool's file lists make
// their folders the current directory, and on Windows a folder cannot be
// removed while it is one.
class CurrentDirectoryKept {
  public:
    CurrentDirectoryKept() : kept_(std::filesystem::current_path()) {}
    ~CurrentDirectoryKept() { std::filesystem::current_path(kept_); }
    CurrentDirectoryKept(const CurrentDirectoryKept&) = delete;
    CurrentDirectoryKept& operator=(const CurrentDirectoryKept&) = delete;

  private:
    std::filesystem::path kept_;
};

}  // namespace ek::test
