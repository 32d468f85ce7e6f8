#pragma once

// A writer of compound files ([MS-CFB] version 3, 512-byte sectors) holding
// one stream in the root storage, as a workbook file needs.
//
// How SaveAs uses it:
//   auto [file, failure] = CompoundFile::create(fileName);  // null: failure says why
//   CompoundStream* stream = file->createStream(u"Workbook");  // null: WriteFailed
//   every chunk: stream->write(chunk), which takes fewer bytes after a failure
//   stream->seekCurrent() is the stream length so far (for the padding)
//   file->release(): Saved, or the first failure of the stream or the target
// The file appears at fileName only in release(), in one step (written as a
// new file, then moved in place). After a failed write, simply destroy the
// CompoundFile or release it, which then reports the failure: the previous
// file stays as it was and no temporary file remains. For the in-memory
// variant use createInMemory(buffer) the same way; null there is
// NoMemoryFile.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "xls/biff/record_list.h"
#include "xls/io/file_system.h"
#include "xls/io/save_result.h"
#include "xls/io/save_target.h"

namespace xls {

class CompoundFile;

// The stream of a CompoundFile. Bytes are appended in order; they go to the
// target in large pieces as they come, except for the first 4096 bytes,
// which are held back until it is known whether the stream belongs in the
// mini stream.
class CompoundStream final : public ByteSink {
  public:
    // Largest stream a version 3 file may hold ([MS-CFB] 2.6.3).
    static constexpr std::uint64_t kMaxSize = 0x80000000u;

    // Appends `bytes`; returns how many were taken: all of them, or fewer
    // once the target failed or the stream reached kMaxSize (release() then
    // reports the target's failure or FileTooLarge).
    std::size_t write(std::span<const std::uint8_t> bytes) override;

    // The current position after a seek by 0 from it: the length so far.
    std::uint64_t seekCurrent() const { return size_; }

    bool failed() const { return failure_ != SaveResult::Saved; }

  private:
    friend class CompoundFile;
    explicit CompoundStream(SaveTarget& target);

    // Writes the held-back bytes to their place in the file.
    SaveResult flushStaged();

    SaveTarget& target_;
    std::vector<std::uint8_t> staged_;
    std::uint64_t stagedFrom_ = 0;  // stream offset of staged_[0]
    std::uint64_t size_ = 0;
    SaveResult failure_ = SaveResult::Saved;
};

class CompoundFile {
  public:
    // A file that takes the place of `fileName` on release(); none when it
    // cannot be created, and why (see FileSaveTarget::create).
    static Made<CompoundFile> create(const std::u16string& fileName);
    static Made<CompoundFile> create(const std::u16string& fileName, FileSystem& fileSystem);

    // A file whose bytes are appended to `destination` on a successful
    // release(); nothing is appended otherwise. Null only when memory for
    // the writer itself cannot be had. `destination` must outlive the file.
    static std::unique_ptr<CompoundFile> createInMemory(std::vector<std::uint8_t>& destination);

    explicit CompoundFile(std::unique_ptr<SaveTarget> target);
    ~CompoundFile();
    CompoundFile(const CompoundFile&) = delete;
    CompoundFile& operator=(const CompoundFile&) = delete;

    // The stream `name` in the root storage, owned by this file. Null for a
    // second stream, after release(), or for a name [MS-CFB] does not allow
    // (empty, over 31 characters, or holding / \ : !).
    CompoundStream* createStream(std::u16string_view name);

    // Lays out the compound file around the stream (header, allocation
    // tables, directory) and commits it to the target. Without a stream the
    // root storage is empty. After a failed stream write nothing is
    // committed and that failure is reported. Only the first call does
    // anything; later ones report WriteFailed.
    SaveResult release();

  private:
    SaveResult writeAndCommit();

    std::unique_ptr<SaveTarget> target_;
    std::u16string streamName_;
    std::unique_ptr<CompoundStream> stream_;
    bool released_ = false;
};

// True for a name [MS-CFB] 2.6.1 allows for a stream or storage.
bool isValidEntryName(std::u16string_view name);

}  // namespace xls
