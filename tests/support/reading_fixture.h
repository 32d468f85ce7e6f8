#pragma once
// A working state over a fake platform with the host folders in place, and
// helpers to put a material list there and pick it.

#include <gtest/gtest.h>

#include <string>

#include "calc/kalkulace.h"
#include "fake_platform.h"
#include "host_folders.h"

namespace ek::test {

class ReadingFixture : public ::testing::Test {
  protected:
    explicit ReadingFixture(char16_t decimalSeparator = u',');

    // Writes `text` as a UTF-16 material list, lists the folder and selects it.
    void pick(const std::u16string& name, const std::u16string& text);
    void pickBytes(const std::u16string& name, const platform::Bytes& content);
    // `text` read through Prevod.
    void read(const std::u16string& text);

    // The message of the CalcError the operation raises, "no error" without one.
    std::string errorOf(void (calc::Kalkulace::*operation)());

    FakePlatform fake;
    calc::Kalkulace k;
};

// Lines joined with CR LF after each.
std::u16string linesText(std::initializer_list<std::u16string> lines);

}  // namespace ek::test
