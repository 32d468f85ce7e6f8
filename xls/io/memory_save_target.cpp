#include "xls/io/memory_save_target.h"

#include <algorithm>
#include <limits>
#include <new>

namespace xls {

SaveResult MemorySaveTarget::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (failure_ != SaveResult::Saved) {
        return failure_;
    }
    if (offset > std::numeric_limits<std::size_t>::max() - bytes.size()) {
        failure_ = SaveResult::OutOfMemory;
        return failure_;
    }
    const std::size_t end = static_cast<std::size_t>(offset) + bytes.size();
    try {
        if (end > bytes_.size()) {
            bytes_.resize(end);
        }
    } catch (const std::bad_alloc&) {
        failure_ = SaveResult::OutOfMemory;
        return failure_;
    }
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    return SaveResult::Saved;
}

SaveResult MemorySaveTarget::commit() {
    if (failure_ != SaveResult::Saved) {
        return failure_;
    }
    if (committed_) {
        return SaveResult::WriteFailed;  // a second commit must not append again
    }
    committed_ = true;
    if (destination_.empty()) {
        destination_ = std::move(bytes_);
        return SaveResult::Saved;
    }
    try {
        destination_.insert(destination_.end(), bytes_.begin(), bytes_.end());
    } catch (const std::bad_alloc&) {
        return SaveResult::OutOfMemory;
    }
    return SaveResult::Saved;
}

}  // namespace xls
