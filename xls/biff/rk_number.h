#pragma once

// The RK form of numbers, the 32-bit encoding of the RK and MULRK cell records,
// and its decoding.

#include <cstdint>
#include <optional>

namespace xls {

// The 32-bit RK form of a number ([MS-XLS] 2.5.217), or nothing when the value
// cannot be held exactly in one. Rules in order: an integer in -2^29..2^29-1;
// a value with two decimals whose hundredfold is such an integer; a double
// whose low 34 bits are zero; a hundredfold whose low 34 bits are zero.
std::optional<std::uint32_t> rkForm(double value);

// The number an RK value stands for, as readers decode it.
double rkValue(std::uint32_t rk);

}  // namespace xls
