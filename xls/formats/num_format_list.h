#pragma once

// TXLSNumFormatList, the workbook's number formats (built-in and user-defined),
// written as FORMAT records.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace xls {

// Number formats. The built-in formats 0..49 are implicit; the list holds its
// own entries: 5..8 from the start, user-defined formats from 164.
class TXLSNumFormatList {
  public:
    static constexpr std::uint16_t kFirstUserFormat = 164;

    TXLSNumFormatList();

    // The index of a user-defined format text, adding it when new.
    std::uint16_t Add(std::u16string_view text);
    // The own entry's text; empty for an index without an own entry.
    std::u16string_view Text(std::uint16_t index) const;
    bool HasOwnEntry(std::uint16_t index) const { return own_.contains(index); }
    // Own entries in ascending index order.
    const std::map<std::uint16_t, std::u16string>& OwnEntries() const { return own_; }

  private:
    std::map<std::uint16_t, std::u16string> own_;
    std::uint16_t next_ = kFirstUserFormat;
};

}  // namespace xls
