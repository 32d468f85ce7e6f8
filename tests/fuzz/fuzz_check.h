#pragma once
// What a fuzz target does when a property fails: it says which one and
// aborts, so that the fuzzer keeps the input and the replay test fails.

#include <string_view>

namespace ek::fuzz {

[[noreturn]] void fail(std::string_view property, std::string_view detail = {});

inline void check(bool holds, std::string_view property, std::string_view detail = {}) {
    if (!holds)
        fail(property, detail);
}

}  // namespace ek::fuzz
