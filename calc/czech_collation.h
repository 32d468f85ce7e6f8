#pragma once
// The alphabetical order of Czech, ignoring case, in which plants are sorted:
// "č" after "c", "ch" after "h", "ř" after "r"; accents still count after the
// letters ("lipa" before "lípa"). The system's collator decides: ICU, or
// Windows' own.

#include <memory>
#include <string>
#include <string_view>

namespace ek::calc {

class CzechCollation {
  public:
    CzechCollation();

    // Negative when a sorts before b, 0 when they sort alike, positive after.
    int compare(std::u16string_view a, std::u16string_view b) const;

    bool operator()(std::u16string_view a, std::u16string_view b) const {
        return compare(a, b) < 0;
    }

    // Appends the sort key of `text` to `key`: two texts' keys compare byte
    // by byte (the shorter first when one begins the other) as compare()
    // orders the texts, and are equal when the texts sort alike.
    void appendSortKey(std::u16string_view text, std::string& key) const;

  private:
    struct Collator;
    // Shared and never changed after construction: copies are cheap and the
    // comparison is safe from several threads.
    std::shared_ptr<const Collator> collator_;
};

}  // namespace ek::calc
