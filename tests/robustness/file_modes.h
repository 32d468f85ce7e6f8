#pragma once
// File modes that bind even a test run as root. Root reads and writes
// whatever the modes say, so tests of unreadable files and read-only folders
// would prove nothing there (and CI machines often run tests as root).

#include <array>
#include <cstdint>

namespace ek::test {

// While it lives, the calling thread has no capability to override file
// modes (they leave its effective set and come back at the end), so it meets
// "Access denied" like any user.
class ModesEnforced {
  public:
    ModesEnforced();
    ModesEnforced(const ModesEnforced&) = delete;
    ModesEnforced& operator=(const ModesEnforced&) = delete;
    ~ModesEnforced();

    // Whether the modes bind now; a test that needs them skips otherwise.
    bool active() const { return active_; }

  private:
    bool active_ = false;
    std::array<std::uint32_t, 2> effective_{};
};

}  // namespace ek::test
