#include "xls/cfb/compound_file.h"

#include <algorithm>
#include <new>

#include "xls/cfb/compound_file_layout.h"
#include "xls/cfb/compound_file_sectors.h"
#include "xls/io/file_save_target.h"
#include "xls/io/memory_save_target.h"

namespace xls {

namespace {

// Bytes held before they go to the target: large writes for the disk, and
// more than the mini stream cutoff, so a stream that ends below the cutoff
// has never been written out.
constexpr std::size_t kStagingSize = 64 * 1024;
static_assert(kStagingSize >= compound::kMiniStreamCutoff);

// The stream's bytes start right after the header, in the mini stream or not.
constexpr std::uint64_t kStreamOffset = compound::kSectorSize;

constexpr std::size_t kMaxEntryNameLength = 31;

}  // namespace

bool isValidEntryName(std::u16string_view name) {
    if (name.empty() || name.size() > kMaxEntryNameLength) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char16_t unit) {
        return unit == u'/' || unit == u'\\' || unit == u':' || unit == u'!' || unit == 0;
    });
}

CompoundStream::CompoundStream(SaveTarget& target) : target_(target) {
    staged_.reserve(kStagingSize);
}

std::size_t CompoundStream::write(std::span<const std::uint8_t> bytes) {
    if (failed()) {
        return 0;
    }
    const std::size_t room =
        static_cast<std::size_t>(std::min<std::uint64_t>(kMaxSize - size_, bytes.size()));
    std::size_t taken = 0;
    while (taken < room) {
        if (staged_.size() == kStagingSize && flushStaged() != SaveResult::Saved) {
            return taken;
        }
        const std::size_t piece = std::min(kStagingSize - staged_.size(), room - taken);
        staged_.insert(staged_.end(), bytes.begin() + static_cast<std::ptrdiff_t>(taken),
                       bytes.begin() + static_cast<std::ptrdiff_t>(taken + piece));
        taken += piece;
        size_ += piece;
    }
    if (taken < bytes.size()) {
        failure_ = SaveResult::FileTooLarge;  // more than the format can hold
    }
    return taken;
}

SaveResult CompoundStream::flushStaged() {
    if (failed() || staged_.empty()) {
        return failure_;
    }
    failure_ = target_.writeAt(kStreamOffset + stagedFrom_, staged_);
    if (failure_ == SaveResult::Saved) {
        stagedFrom_ += staged_.size();
        staged_.clear();
    }
    return failure_;
}

Made<CompoundFile> CompoundFile::create(const std::u16string& fileName) {
    return create(fileName, nativeFileSystem());
}

Made<CompoundFile> CompoundFile::create(const std::u16string& fileName, FileSystem& fileSystem) {
    Made<FileSaveTarget> target = FileSaveTarget::create(fileName, fileSystem);
    if (!target.made) {
        return {nullptr, target.failure};
    }
    return {std::make_unique<CompoundFile>(std::move(target.made))};
}

std::unique_ptr<CompoundFile> CompoundFile::createInMemory(std::vector<std::uint8_t>& destination) {
    try {
        return std::make_unique<CompoundFile>(std::make_unique<MemorySaveTarget>(destination));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

CompoundFile::CompoundFile(std::unique_ptr<SaveTarget> target) : target_(std::move(target)) {}

CompoundFile::~CompoundFile() = default;

CompoundStream* CompoundFile::createStream(std::u16string_view name) {
    if (released_ || stream_ || !target_ || !isValidEntryName(name)) {
        return nullptr;
    }
    try {
        stream_.reset(new CompoundStream(*target_));
        streamName_ = name;
    } catch (const std::bad_alloc&) {
        stream_.reset();
        return nullptr;
    }
    return stream_.get();
}

SaveResult CompoundFile::release() {
    if (released_ || !target_) {
        return SaveResult::WriteFailed;
    }
    released_ = true;
    SaveResult result = SaveResult::WriteFailed;
    try {
        result = writeAndCommit();
    } catch (const std::bad_alloc&) {
        result = SaveResult::OutOfMemory;
    }
    // The stream must not reach the target any more; dropping the target now
    // removes a temporary file at once instead of when the caller lets go.
    if (stream_ && !stream_->failed()) {
        stream_->failure_ = SaveResult::WriteFailed;
    }
    target_.reset();
    return result;
}

SaveResult CompoundFile::writeAndCommit() {
    if (stream_) {
        if (const SaveResult failure = stream_->flushStaged(); failure != SaveResult::Saved) {
            return failure;
        }
    }
    const compound::Layout layout = compound::layoutFor(stream_ ? stream_->size_ : 0);
    const std::vector<std::uint8_t> tail = compound::tailSectors(layout, streamName_);
    if (const SaveResult failure = target_->writeAt(kStreamOffset + layout.streamSize, tail);
        failure != SaveResult::Saved) {
        return failure;
    }
    // The header goes last: until it is there the file is no compound file.
    if (const SaveResult failure = target_->writeAt(0, compound::headerSector(layout));
        failure != SaveResult::Saved) {
        return failure;
    }
    return target_->commit();
}

}  // namespace xls
