#include "xls/biff/record_list.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace xls {

void RecordList::appendAcrossChunks(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const std::size_t used = length_ % kChunkSize;
        if (used == 0 && length_ / kChunkSize == chunks_.size()) {
            chunks_.push_back(std::make_unique_for_overwrite<Chunk>());
        }
        const std::size_t take = std::min(kChunkSize - used, bytes.size());
        std::memcpy(chunks_.back()->data() + used, bytes.data(), take);
        length_ += take;
        bytes = bytes.subspan(take);
    }
}

void RecordList::appendHeader(std::uint16_t type, std::size_t dataLength) {
    const std::array<std::uint8_t, 4> header{
        static_cast<std::uint8_t>(type), static_cast<std::uint8_t>(type >> 8),
        static_cast<std::uint8_t>(dataLength), static_cast<std::uint8_t>(dataLength >> 8)};
    appendBytes(header);
}

void RecordList::add(std::uint16_t type, std::span<const std::uint8_t> data) {
    std::size_t pieceLength = std::min(data.size(), kMaxRecordData);
    appendHeader(type, pieceLength);
    appendBytes(data.first(pieceLength));
    data = data.subspan(pieceLength);
    while (!data.empty()) {
        pieceLength = std::min(data.size(), kMaxRecordData);
        appendHeader(rt::kContinue, pieceLength);
        appendBytes(data.first(pieceLength));
        data = data.subspan(pieceLength);
    }
}

void RecordList::throwLengthMismatch() {
    // A record function whose size does not match its fields is a bug in
    // this library; catching it here keeps it from corrupting a file.
    throw std::logic_error("record length differs from its declared size");
}

void RecordList::finishBuild(std::uint16_t type, std::size_t declaredLength) {
    if (scratch_.size() != declaredLength) {
        throwLengthMismatch();
    }
    add(type, scratch_);
}

void RecordList::appendFramed(std::span<const std::uint8_t> bytes) {
    appendBytes(bytes);
}

bool RecordList::writeTo(ByteSink& sink) const {
    std::size_t left = length_;
    for (const auto& chunk : chunks_) {
        const std::size_t size = std::min(left, kChunkSize);
        if (sink.write(std::span<const std::uint8_t>(chunk->data(), size)) != size) {
            return false;
        }
        left -= size;
    }
    return true;
}

std::vector<std::uint8_t> RecordList::bytes() const {
    std::vector<std::uint8_t> all;
    all.reserve(length_);
    std::size_t left = length_;
    for (const auto& chunk : chunks_) {
        const std::size_t size = std::min(left, kChunkSize);
        all.insert(all.end(), chunk->begin(), chunk->begin() + static_cast<std::ptrdiff_t>(size));
        left -= size;
    }
    return all;
}

}  // namespace xls
