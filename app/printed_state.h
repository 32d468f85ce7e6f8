#pragma once
// The tables and figures of the working state as UTF-8 text: one line per
// row, cells separated by TAB.

#include <string>

#include "calc/kalkulace.h"

namespace ek::app {

std::string printedTable(const calc::TextGrid& table);

// The working table, the eight category tables with their subtotals, and the
// project total.
std::string printedCalculation(const calc::Kalkulace& state);

}  // namespace ek::app
