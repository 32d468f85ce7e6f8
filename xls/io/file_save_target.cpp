#include "xls/io/file_save_target.h"

namespace xls {

Made<FileSaveTarget> FileSaveTarget::create(const std::u16string& fileName,
                                            FileSystem& fileSystem) {
    if (fileName.empty()) {
        return {nullptr, SaveResult::InvalidName};
    }
    if (const SaveResult verdict = fileSystem.mayReplace(fileName); verdict != SaveResult::Saved) {
        return {nullptr, verdict};
    }
    Made<WritableFile> file = fileSystem.createReplacement(fileName);
    if (!file.made) {
        return {nullptr, file.failure};
    }
    return {std::make_unique<FileSaveTarget>(std::move(file.made))};
}

SaveResult FileSaveTarget::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (failure_ != SaveResult::Saved) {
        return failure_;
    }
    if (!file_) {
        return SaveResult::WriteFailed;  // after commit()
    }
    failure_ = file_->writeAt(offset, bytes);
    return failure_;
}

SaveResult FileSaveTarget::commit() {
    if (failure_ != SaveResult::Saved) {
        file_.reset();  // removes the new file at once
        return failure_;
    }
    if (!file_) {
        return SaveResult::WriteFailed;  // committed before
    }
    const SaveResult result = file_->moveInPlace();
    file_.reset();
    if (result != SaveResult::Saved) {
        failure_ = result;
    }
    return result;
}

}  // namespace xls
