#pragma once

// THashInteger, the map from text key to entry number the keyed lists look
// their entries up in.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace xls {

// Text key -> integer, holding for each key the value registered last.
// Lookup yields 0 for an absent key, so a key registered with 0 is never
// told apart from an absent one (the keyed lists rely on that).
class THashInteger {
  public:
    void Register(std::u16string_view key, std::int32_t value);
    std::int32_t Lookup(std::u16string_view key) const;
    bool Contains(std::u16string_view key) const { return values_.find(key) != values_.end(); }
    std::size_t Count() const { return values_.size(); }

  private:
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view key) const;
    };
    std::unordered_map<std::u16string, std::int32_t, KeyHash, std::equal_to<>> values_;
};

}  // namespace xls
