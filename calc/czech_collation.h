#pragma once
// The alphabetical order of Czech, ignoring case, in which plants are sorted:
// "č" after "c", "ch" after "h", "ř" after "r"; accents still count after the
// letters ("lipa" before "lípa").

#include <memory>
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

    // The same order from the system's collator alone, without what compare()
    // tells from the code units first (which tests check against this).
    int collatorCompare(std::u16string_view a, std::u16string_view b) const;

  private:
    struct Collator;
    // Shared and never changed after construction: copies are cheap and the
    // comparison is safe from several threads.
    std::shared_ptr<const Collator> collator_;
};

}  // namespace ek::calc
