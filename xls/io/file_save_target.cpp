#include "xls/io/file_save_target.h"

#include <string_view>

namespace xls {

namespace {

// Names tried before giving up; each attempt that finds its name taken (a
// concurrent save, or a leftover of a crashed one) moves on to the next.
constexpr std::uint32_t kTemporaryNameAttempts = 100;

bool isSeparator(char16_t unit) {
#ifdef _WIN32
    return unit == u'/' || unit == u'\\' || unit == u':';
#else
    return unit == u'/';
#endif
}

std::u16string decimal(std::uint32_t value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

std::u16string folderOf(const std::u16string& fileName) {
    for (std::size_t i = fileName.size(); i > 0; --i) {
        if (isSeparator(fileName[i - 1])) {
            return fileName.substr(0, i);
        }
    }
    return {};
}

}  // namespace

std::u16string temporaryFileName(const std::u16string& fileName, std::uint32_t processId,
                                 std::uint32_t attempt) {
    return folderOf(fileName) + u".~xls" + decimal(processId) + u"-" + decimal(attempt) + u".tmp";
}

std::unique_ptr<FileSaveTarget> FileSaveTarget::create(const std::u16string& fileName,
                                                       FileSystem& fileSystem) {
    if (fileName.empty() || !fileSystem.mayReplace(fileName)) {
        return nullptr;
    }
    const std::uint32_t processId = fileSystem.processId();
    for (std::uint32_t attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        std::u16string temporaryName = temporaryFileName(fileName, processId, attempt);
        FileSystem::Created created = fileSystem.createNew(temporaryName);
        if (created.file) {
            return std::unique_ptr<FileSaveTarget>(new FileSaveTarget(
                fileSystem, fileName, std::move(temporaryName), std::move(created.file)));
        }
        if (!created.nameTaken) {
            return nullptr;
        }
    }
    return nullptr;
}

FileSaveTarget::FileSaveTarget(FileSystem& fileSystem, std::u16string fileName,
                               std::u16string temporaryName, std::unique_ptr<WritableFile> file)
    : fileSystem_(fileSystem),
      fileName_(std::move(fileName)),
      temporaryName_(std::move(temporaryName)),
      file_(std::move(file)) {}

FileSaveTarget::~FileSaveTarget() {
    if (!committed_) {
        file_.reset();  // closed first: Windows deletes no open file
        fileSystem_.remove(temporaryName_);
    }
}

bool FileSaveTarget::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (failed_ || !file_) {
        return false;
    }
    if (!file_->writeAt(offset, bytes)) {
        failed_ = true;
        return false;
    }
    return true;
}

CommitResult FileSaveTarget::commit() {
    if (failed_ || !file_) {
        return CommitResult::WriteFailed;
    }
    const bool closed = file_->flushAndClose();
    file_.reset();
    if (!closed) {
        failed_ = true;
        return CommitResult::WriteFailed;
    }
    if (!fileSystem_.replace(temporaryName_, fileName_)) {
        failed_ = true;
        return CommitResult::ReplaceFailed;
    }
    committed_ = true;
    return CommitResult::Committed;
}

}  // namespace xls
