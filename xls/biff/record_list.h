#pragma once

// RecordList, finished BIFF records in stream order, cut into CONTINUE records
// where needed, and ByteSink, where the lists are written.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "xls/biff/biff_record_types.h"
#include "xls/biff/record_buffer.h"

namespace xls {

// Where finished record lists go: the "Workbook" stream of a compound file, or
// anything else that takes bytes in order. write() returns how many bytes it
// took; fewer than given is a failed write.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
};

// Largest data length of one physical record; longer data goes on in CONTINUE.
inline constexpr std::size_t kMaxRecordData = 8224;

// An ordered byte sequence of finished records, kept in chunks of 4048 bytes.
// Records may straddle chunk borders; nothing is moved once appended.
class RecordList {
  public:
    static constexpr std::size_t kChunkSize = 4048;

    RecordList() = default;
    RecordList(RecordList&&) noexcept = default;
    RecordList& operator=(RecordList&&) noexcept = default;

    // Appends one logical record: type, length and data. Data above 8224 bytes
    // is cut: the first 8224 bytes keep `type`, the rest follows in CONTINUE
    // records of at most 8224 bytes, nothing repeated at their start.
    void add(std::uint16_t type, std::span<const std::uint8_t> data);
    void add(std::uint16_t type, const RecordBuffer& data) { add(type, data.bytes()); }

    // Builds one record of exactly `dataLength` bytes with `fill` in a reused
    // scratch buffer (no allocation per record once it has grown) and adds it.
    template <class Fill>
    void build(std::uint16_t type, std::size_t dataLength, Fill&& fill);

    // Appends bytes that already are framed records (the string table frames
    // its own pieces).
    void appendFramed(std::span<const std::uint8_t> bytes);

    std::size_t length() const { return length_; }

    // Writes the chunks in order; false as soon as one write falls short.
    bool writeTo(ByteSink& sink) const;

    // The whole content as one array (tests, in-memory checks).
    std::vector<std::uint8_t> bytes() const;

  private:
    using Chunk = std::array<std::uint8_t, kChunkSize>;

    // Bytes that fit the current chunk are copied at once; others go
    // through the chunk-by-chunk path.
    void appendBytes(std::span<const std::uint8_t> bytes) {
        const std::size_t used = length_ % kChunkSize;
        if (bytes.empty()) {
            return;
        }
        if (used != 0 && bytes.size() <= kChunkSize - used) {
            std::memcpy(chunks_.back()->data() + used, bytes.data(), bytes.size());
            length_ += bytes.size();
            return;
        }
        appendAcrossChunks(bytes);
    }
    void appendAcrossChunks(std::span<const std::uint8_t> bytes);
    void appendHeader(std::uint16_t type, std::size_t dataLength);
    void finishBuild(std::uint16_t type, std::size_t declaredLength);
    [[noreturn]] static void throwLengthMismatch();

    static constexpr std::size_t kRecordHeaderSize = 4;  // type and length

    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::size_t length_ = 0;
    RecordBuffer scratch_;
};

template <class Fill>
void RecordList::build(std::uint16_t type, std::size_t dataLength, Fill&& fill) {
    scratch_.clear();
    if (dataLength > kMaxRecordData) {
        scratch_.reserveMore(dataLength);
        fill(scratch_);
        finishBuild(type, dataLength);
        return;
    }
    // A record in one piece (every cell record): header and data are built
    // together and go into the list in one copy.
    scratch_.reserveMore(kRecordHeaderSize + dataLength);
    scratch_.u16(type);
    scratch_.u16(static_cast<std::uint16_t>(dataLength));
    fill(scratch_);
    if (scratch_.size() != kRecordHeaderSize + dataLength) {
        throwLengthMismatch();
    }
    appendBytes(scratch_.bytes());
}

}  // namespace xls
