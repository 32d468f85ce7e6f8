#include "robustness/file_modes.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace ek::test {

namespace {

using Capabilities = std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3>;

// Raw calls: the capability library is not a dependency of the project.
bool getCapabilities(Capabilities& data) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capget, &header, data.data()) == 0;
}

bool setCapabilities(const Capabilities& data) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(SYS_capset, &header, data.data()) == 0;
}

// Both live in the first word of the capability sets.
constexpr std::uint32_t kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

}  // namespace

ModesEnforced::ModesEnforced() {
    Capabilities data{};
    if (!getCapabilities(data))
        return;
    effective_ = {data[0].effective, data[1].effective};
    data[0].effective &= ~kOverrides;
    active_ = setCapabilities(data);
}

ModesEnforced::~ModesEnforced() {
    Capabilities data{};
    if (!active_ || !getCapabilities(data))
        return;
    data[0].effective = effective_[0];
    data[1].effective = effective_[1];
    setCapabilities(data);
}

}  // namespace ek::test
