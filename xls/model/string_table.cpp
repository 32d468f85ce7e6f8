#include "xls/model/string_table.h"

namespace xls {

TXLSStringTable::TXLSStringTable() : entries_(1) {}

std::int32_t TXLSStringTable::Add(std::u16string_view text) {
    ++totalReferences_;
    if (const auto found = numbers_.find(text); found != numbers_.end()) {
        ++entries_[static_cast<std::size_t>(found->second)].references;
        return found->second;
    }
    const std::int32_t number = TakeNumber();
    Entry& entry = entries_[static_cast<std::size_t>(number)];
    entry.text = text;
    entry.references = 1;
    numbers_.emplace(entry.text, number);
    ForgetWrittenPosition(number);
    return number;
}

void TXLSStringTable::Release(std::int32_t number) {
    if (!InRange(number)) {
        return;
    }
    Entry& entry = entries_[static_cast<std::size_t>(number)];
    // A free slot holds no reference to give back; counting it would make the
    // total disagree with the live entries.
    if (entry.references == 0) {
        return;
    }
    --entry.references;
    --totalReferences_;
    if (entry.references > 0) {
        return;
    }
    numbers_.erase(entry.text);
    entry.text.clear();
    ForgetWrittenPosition(number);
    DropNumber(number);
}

std::int32_t TXLSStringTable::Find(std::u16string_view text) const {
    const auto found = numbers_.find(text);
    return found != numbers_.end() ? found->second : 0;
}

std::int32_t TXLSStringTable::TakeNumber() {
    if (freeNumbers_.empty()) {
        entries_.emplace_back();
        return HighestNumber();
    }
    const std::int32_t number = freeNumbers_.back();
    freeNumbers_.pop_back();
    return number;
}

void TXLSStringTable::DropNumber(std::int32_t number) {
    if (number == HighestNumber()) {
        entries_.pop_back();
    } else {
        freeNumbers_.push_back(number);
    }
}

std::u16string_view TXLSStringTable::Text(std::int32_t number) const {
    return InRange(number) ? std::u16string_view(entries_[static_cast<std::size_t>(number)].text)
                           : std::u16string_view();
}

std::uint32_t TXLSStringTable::ReferenceCount(std::int32_t number) const {
    return InRange(number) ? entries_[static_cast<std::size_t>(number)].references : 0;
}

std::uint32_t TXLSStringTable::AssignWrittenPositions() {
    writtenPositions_.assign(entries_.size(), -1);
    std::int32_t position = 0;
    ForEachLive([&](std::int32_t number, std::u16string_view, std::uint32_t) {
        writtenPositions_[static_cast<std::size_t>(number)] = position++;
    });
    return static_cast<std::uint32_t>(position);
}

std::int32_t TXLSStringTable::WrittenPosition(std::int32_t number) const {
    if (number < 1 || static_cast<std::size_t>(number) >= writtenPositions_.size()) {
        return -1;
    }
    return writtenPositions_[static_cast<std::size_t>(number)];
}

void TXLSStringTable::ForgetWrittenPosition(std::int32_t number) {
    if (static_cast<std::size_t>(number) < writtenPositions_.size()) {
        writtenPositions_[static_cast<std::size_t>(number)] = -1;
    }
}

}  // namespace xls
