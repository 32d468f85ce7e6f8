#pragma once

// A worksheet's print settings: margins, paper, scaling and fitting,
// orientation, centring, gridlines and headings, header and footer.

#include <cstdint>
#include <string>

namespace xls {

// A header or footer: three parts, written as &L, &C and &R sections.
struct TXLSHeaderFooter {
    std::u16string left;
    std::u16string centre;
    std::u16string right;
};

// A sheet's print settings, with the values a new sheet has.
struct TXLSPageSetup {
    double leftMargin = 0.75;  // inches
    double rightMargin = 0.75;
    double topMargin = 1.0;
    double bottomMargin = 1.0;
    double headerMargin = 0.5;
    double footerMargin = 0.5;
    std::uint16_t paperSize = 0;
    std::uint16_t scale = 100;  // per cent
    std::uint16_t fitWidth = 0;
    std::uint16_t fitHeight = 0;
    bool fitToPages = false;  // zoom set to False: fit to fitWidth x fitHeight pages
    bool portrait = true;
    bool centreHorizontally = false;
    bool centreVertically = false;
    bool printGridlines = true;
    bool printHeadings = false;
    TXLSHeaderFooter header;
    TXLSHeaderFooter footer;
};

}  // namespace xls
