#include "xls/formats/styles.h"

namespace xls {

namespace {
TXLSStyle BuiltIn(std::uint8_t id, std::int32_t xf) {
    return TXLSStyle{true, id, 0xFF, XfIndex{xf}, {}};
}
}  // namespace

TXLSStyles::TXLSStyles()
    : entries_{BuiltIn(3, 19), BuiltIn(4, 16), BuiltIn(6, 20),
               BuiltIn(7, 17), BuiltIn(5, 18), BuiltIn(0, 0)} {}

}  // namespace xls
