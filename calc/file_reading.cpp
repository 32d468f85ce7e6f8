#include "calc/file_reading.h"

#include "calc/error.h"
#include "calc/reading_messages.h"

namespace ek::calc {

std::uint64_t fileSizeOf(platform::Platform& platform, const Text& path) {
    try {
        return platform.fileSize(path);
    } catch (const platform::IoError& error) {
        throw CalcError(std::string(error.what()));
    }
}

void refuseTooLarge(std::uint64_t size, const Text& path) {
    if (size > kLargestFileBytes)
        throw FileTooLargeError(fileTooLargeMessage(path));
}

platform::Bytes readWholeFile(platform::Platform& platform, const Text& path) {
    refuseTooLarge(fileSizeOf(platform, path), path);
    platform::Bytes content;
    try {
        content = platform.readFile(path);
    } catch (const platform::IoError& error) {
        throw CalcError(std::string(error.what()));
    }
    refuseTooLarge(content.size(), path);  // the file may have grown since
    return content;
}

void writeWholeFile(platform::Platform& platform, const Text& path,
                    const platform::Bytes& content) {
    try {
        platform.writeFileAtomically(path, content);
    } catch (const platform::IoError& error) {
        throw CalcError(std::string(error.what()));
    }
}

}  // namespace ek::calc
