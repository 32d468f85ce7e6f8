#pragma once
// Values for the workbook fuzz target: Variants of every kind with what a
// cell must hold after receiving them, texts that reach the edges of the
// file format, and the numbers handed to setters.

#include <string>

#include "fuzz/expected_workbook.h"
#include "fuzz/fuzz_input.h"
#include "xls/model/variant.h"

namespace ek::fuzz {

struct GeneratedValue {
    xls::Variant variant;
    ExpectedCell expected;  // after Value := variant
};

GeneratedValue generateValue(FuzzInput& input);

// Short texts, texts of the automation rules (apostrophe, "=", line feed),
// surrogates paired and unpaired, and long texts around the record and cell
// limits.
std::u16string generateText(FuzzInput& input);

// What a cell holds after Value := text (apostrophe rule, cut to a cell).
ExpectedCell assignedText(const std::u16string& text);
// What a cell holds after the literal assignment of text.
ExpectedCell literalText(const std::u16string& text);

// A row or column argument: mostly small, sometimes at or past the limits.
int generateIndex(FuzzInput& input);
// An integer for a setter: the valid constants and values around them.
int generateSetting(FuzzInput& input);
// A double, ordinary or not (infinities, NaN, denormals, huge).
double generateDouble(FuzzInput& input);

}  // namespace ek::fuzz
