// The checks every test runs under: a read past a heap block and an
// undefined operation end the process with the sanitizers' report. A build
// that lost them, or lets a finding pass on, fails here instead of passing
// every other test unchecked.

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
#define EK_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define EK_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

// Through volatiles, so that the compiler cannot see what is done.
[[maybe_unused]] int readPastTheEnd(std::size_t size) {
    const auto block = std::make_unique<int[]>(size);
    const volatile std::size_t index = size;
    return block[index];
}

[[maybe_unused]] int plusOne(int value) {
    const volatile int one = 1;
    return value + one;
}

TEST(Sanitizers, FindingsEndTheProcess) {
#ifndef EK_ADDRESS_SANITIZER
    GTEST_SKIP() << "built without the sanitizers";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(readPastTheEnd(4), "heap-buffer-overflow");
    EXPECT_DEATH(plusOne(INT_MAX), "signed integer overflow");
#endif
}

}  // namespace
