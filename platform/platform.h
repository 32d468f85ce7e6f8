#pragma once
// The operating-system services the tool calls. The calculation and the
// export talk to the outside only through this interface, so that tests can
// replace it with a fake and Windows can have its own implementation.

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace ek::platform {

using Path = std::u16string;
using Bytes = std::vector<std::uint8_t>;

// A failed file operation; the message is the platform's input/output text.
class IoError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Shell folder ids the tool asks for.
enum SpecialFolder : int {
    kDocuments = 5,         // CSIDL_PERSONAL
    kLocalAppData = 28,     // CSIDL_LOCAL_APPDATA
    kCommonAppData = 35,    // CSIDL_COMMON_APPDATA
    kProgramFiles = 38,     // CSIDL_PROGRAM_FILES
    kCommonDocuments = 46,  // CSIDL_COMMON_DOCUMENTS
};

class Platform {
  public:
    virtual ~Platform() = default;

    virtual char16_t separator() const = 0;

    // The folder's path without a trailing separator, or empty text.
    virtual Path specialFolder(int folderId) = 0;

    virtual bool directoryExists(const Path& path) = 0;
    // True only for a file, not a folder.
    virtual bool fileExists(const Path& path) = 0;

    // Names (not paths) of the files in `folder` matching `mask` ("*" or
    // "*.ext", case-insensitive), in alphabetical order.
    virtual std::vector<Path> listFiles(const Path& folder, const Path& mask) = 0;

    virtual Path currentDirectory() = 0;
    virtual bool setCurrentDirectory(const Path& path) = 0;

    // Size in bytes; throws IoError when the file cannot be examined.
    virtual std::uint64_t fileSize(const Path& path) = 0;
    // The whole file; throws IoError ("File not found", ...).
    virtual Bytes readFile(const Path& path) = 0;
    // Writes under a temporary name in the same folder, then renames it over
    // `path`; on failure nothing is left behind and IoError is thrown.
    virtual void writeFileAtomically(const Path& path, const Bytes& content) = 0;

    // Copies, replacing an existing target; false on failure.
    virtual bool copyFile(const Path& from, const Path& to) = 0;
    // Clears a read-only mark (archive attribute only on Windows).
    virtual void makeWritable(const Path& path) = 0;
    // Throws IoError when the file cannot be deleted.
    virtual void deleteFile(const Path& path) = 0;
    // Starts `program` with `arguments`, each passed as one argument; no waiting.
    virtual bool startProcess(const Path& program, const std::vector<Path>& arguments) = 0;

    // A modal message box with the application title, the text and OK.
    virtual void showMessage(const std::u16string& text) = 0;
};

struct SystemPlatformOptions {
    // When not empty, the documents folder (id 5) instead of the system's; a
    // relative one is taken from the current directory at construction.
    Path documentsFolder;
    // Title of the message box.
    std::u16string messageTitle;
    // When set, shows messages instead of the system's message box (a window
    // passes its own dialog; without either, Linux writes them to stderr).
    std::function<void(const std::u16string&)> messageSink;
};

// The implementation for the machine the program runs on.
std::unique_ptr<Platform> makeSystemPlatform(SystemPlatformOptions options = {});

}  // namespace ek::platform
