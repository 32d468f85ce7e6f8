#include "xls/biff/rk_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <optional>

#include "support/biff_reader.h"

namespace {

using xls::rkForm;

TEST(RkNumber, FormsWorkedOutFromTheRkLayout) {
    struct Case {
        const char* name;
        double value;
        std::optional<std::uint32_t> rk;
    };
    const Case cases[] = {
        {"zero", 0.0, 0x00000002},
        {"one", 1.0, 0x00000006},
        {"minus one", -1.0, 0xFFFFFFFE},
        {"largest integer", 536870911.0, 0x7FFFFFFE},
        {"smallest integer", -536870912.0, 0x80000002},
        {"half: 50 hundredths", 0.5, 0x000000CB},
        {"0.1: 10 hundredths", 0.1, 0x0000002B},
        {"1.23: 123 hundredths", 1.23, 0x000001EF},
        {"-0.01", -0.01, 0xFFFFFFFF},
        {"2^29: IEEE high word", 536870912.0, 0x41C00000},
        {"1.25 is not an integer: hundredths", 1.25, 0x000001F7},
        {"0.005: hundredfold 0.5 in the IEEE form", 0.005, 0x3FE00001},
        {"pi", 3.14159265358979, std::nullopt},
        {"1.5e10", 1.5e10, std::nullopt},
        {"1e300", 1e300, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rkForm(c.value), c.rk) << c.name;
    }
}

// The hundredfold form keeps only 18 significant bits; for this value its
// division by 100 reads back as 1.2800048828125, another number.
TEST(RkNumber, KeepsAValueAsNumberWhenItsHundredfoldFormReadsBackDifferently) {
    const double value = std::bit_cast<double>(std::uint64_t{0x3FF47AE666666667});
    ASSERT_EQ(std::bit_cast<std::uint64_t>(value * 100) & ((std::uint64_t{1} << 34) - 1), 0u);
    EXPECT_EQ(rkForm(value), std::nullopt);
}

// Whatever form is chosen, an independent decoder must give the value back.
TEST(RkNumber, EveryFormReadsBackAsTheSameValue) {
    int checked = 0;
    for (int exponent = -30; exponent <= 40; ++exponent) {
        for (int step = 0; step < 4096; ++step) {
            const double base = std::ldexp(1.0 + step / 4096.0, exponent);
            for (const double value : {base, base / 100, std::nextafter(base / 100, 0.0),
                                       std::nextafter(base / 100, 1e300), -base / 100}) {
                if (const auto rk = rkForm(value)) {
                    ASSERT_EQ(biff::decodeRk(*rk), value) << std::hexfloat << value;
                    ASSERT_EQ(xls::rkValue(*rk), value);
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

}  // namespace
