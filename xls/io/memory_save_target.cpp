#include "xls/io/memory_save_target.h"

#include <algorithm>
#include <limits>
#include <new>

namespace xls {

bool MemorySaveTarget::writeAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (failed_) {
        return false;
    }
    if (offset > std::numeric_limits<std::size_t>::max() - bytes.size()) {
        failed_ = true;
        return false;
    }
    const std::size_t end = static_cast<std::size_t>(offset) + bytes.size();
    try {
        if (end > bytes_.size()) {
            bytes_.resize(end);
        }
    } catch (const std::bad_alloc&) {
        failed_ = true;
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

CommitResult MemorySaveTarget::commit() {
    if (failed_) {
        return CommitResult::WriteFailed;
    }
    failed_ = true;  // a second commit must not append again
    if (destination_.empty()) {
        destination_ = std::move(bytes_);
        return CommitResult::Committed;
    }
    try {
        destination_.insert(destination_.end(), bytes_.begin(), bytes_.end());
    } catch (const std::bad_alloc&) {
        return CommitResult::WriteFailed;
    }
    return CommitResult::Committed;
}

}  // namespace xls
