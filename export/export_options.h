#pragma once
// The choices a user makes for one export ("Částky jako čísla", --cisla).

namespace ek::exporter {

struct ExportOptions {
    // Quantities, prices and totals written as numbers (subtotals as SUM
    // formulas) rather than the texts the tables show.
    bool amountsAsNumbers = false;
};

}  // namespace ek::exporter
