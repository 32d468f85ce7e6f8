#include "xls/biff/record_buffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using xls::RecordBuffer;

TEST(RecordBuffer, AppendsLittleEndianFieldsAndPatchesLength) {
    RecordBuffer b(24);
    b.u16(0x0809);
    b.u16(0);
    b.u8(0xAB);
    b.u32(0x01020304);
    b.f64(0.001);
    b.utf16(u"A\u010D");
    b.patchU16(2, 0x1234);
    const std::vector<std::uint8_t> expected{0x09, 0x08, 0x34, 0x12, 0xAB, 0x04, 0x03,
                                             0x02, 0x01, 0xFC, 0xA9, 0xF1, 0xD2, 0x4D,
                                             0x62, 0x50, 0x3F, 0x41, 0x00, 0x0D, 0x01};
    EXPECT_EQ(std::vector<std::uint8_t>(b.bytes().begin(), b.bytes().end()), expected);
    EXPECT_EQ(b.capacity(), 24u);  // reserved exactly, no regrowth
    EXPECT_THROW(b.patchU16(20, 0), std::out_of_range);
}

}  // namespace
