#include "xls/model/string_table.h"

#include <algorithm>

namespace xls {

TXLSStringTable::TXLSStringTable() : entries_(1) {
    RebuildIndex(0);
}

std::uint32_t TXLSStringTable::Hash(std::u16string_view text) {
    std::uint32_t h = 0;
    for (const char16_t unit : text) {
        h = h * 33U + unit;
    }
    return h + h / 32U;
}

std::size_t TXLSStringTable::Probe(std::u16string_view text, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t firstFreed = slots_.size();
    for (std::size_t i = (hash ^ (hash >> 15)) & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.number == kNeverUsed) {
            return firstFreed < slots_.size() ? firstFreed : i;
        }
        if (slot.number == kFreed) {
            firstFreed = std::min(firstFreed, i);
        } else if (slot.hash == hash &&
                   entries_[static_cast<std::size_t>(slot.number)].text == text) {
            return i;
        }
    }
}

void TXLSStringTable::RebuildIndex(std::size_t texts) {
    std::size_t size = 16;
    while (size < texts * 4) {
        size *= 2;
    }
    slots_.assign(size, Slot{});
    usedSlots_ = distinct_;
    ForEachLive([&](std::int32_t number, std::u16string_view text, std::uint32_t) {
        const std::uint32_t hash = Hash(text);
        slots_[Probe(text, hash)] = Slot{hash, number};
    });
}

void TXLSStringTable::ReserveForMore(std::size_t more) {
    if ((usedSlots_ + more) * 2 > slots_.size()) {
        RebuildIndex(distinct_ + more);
    }
}

std::int32_t TXLSStringTable::Add(std::u16string_view text) {
    ReserveForMore(1);
    const std::uint32_t hash = Hash(text);
    Slot& slot = slots_[Probe(text, hash)];
    ++totalReferences_;
    if (slot.number > 0) {
        ++entries_[static_cast<std::size_t>(slot.number)].references;
        return slot.number;
    }
    usedSlots_ += slot.number == kNeverUsed ? 1 : 0;
    ++distinct_;
    const std::int32_t number = TakeNumber();
    Entry& entry = entries_[static_cast<std::size_t>(number)];
    entry.text = text;
    entry.references = 1;
    slot = Slot{hash, number};
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
    --distinct_;
    slots_[Probe(entry.text, Hash(entry.text))].number = kFreed;
    entry.text.clear();
    ForgetWrittenPosition(number);
    DropNumber(number);
}

std::int32_t TXLSStringTable::Find(std::u16string_view text) const {
    return std::max(slots_[Probe(text, Hash(text))].number, 0);
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
