#include "xls/biff/record_list.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "support/biff_reader.h"

namespace {

using xls::RecordBuffer;
using xls::RecordList;

// Takes every chunk, or only the first `limit` bytes of the write that would
// pass `limit`, and records the sizes it was given.
class CountingSink : public xls::ByteSink {
  public:
    explicit CountingSink(std::size_t limit = SIZE_MAX) : limit_(limit) {}
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        writes.push_back(bytes.size());
        const std::size_t room = limit_ - received.size();
        const std::size_t taken = std::min(room, bytes.size());
        received.insert(received.end(), bytes.begin(), bytes.begin() + taken);
        return taken;
    }
    std::vector<std::size_t> writes;
    std::vector<std::uint8_t> received;

  private:
    std::size_t limit_;
};

std::vector<std::uint8_t> counting(std::size_t size) {
    std::vector<std::uint8_t> data(size);
    std::iota(data.begin(), data.end(), std::uint8_t{0});
    return data;
}

TEST(RecordList, CutsLongDataIntoContinueRecordsOf8224Bytes) {
    struct Case {
        std::size_t dataLength;
        std::vector<std::size_t> pieces;
    };
    const std::vector<Case> cases{
        {0, {0}}, {8224, {8224}}, {8225, {8224, 1}}, {20000, {8224, 8224, 3552}}};
    for (const Case& c : cases) {
        RecordList list;
        const std::vector<std::uint8_t> data = counting(c.dataLength);
        list.add(0x0031, data);
        const auto records = biff::splitRecords(list.bytes());
        ASSERT_EQ(records.size(), c.pieces.size()) << c.dataLength;
        std::vector<std::uint8_t> joined;
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].type, i == 0 ? 0x0031 : 0x003C);
            EXPECT_EQ(records[i].data.size(), c.pieces[i]);
            joined.insert(joined.end(), records[i].data.begin(), records[i].data.end());
        }
        EXPECT_EQ(joined, data) << "nothing is repeated or lost at a cut";
        EXPECT_EQ(list.length(), 4 * c.pieces.size() + c.dataLength);
    }
}

TEST(RecordList, WritesChunksOf4048BytesInOrder) {
    RecordList list;
    for (int i = 0; i < 700; ++i) {  // 700 x 14 = 9800 bytes, records straddle chunks
        list.build(0x0201, 10, [&](RecordBuffer& b) {
            b.u16(static_cast<std::uint16_t>(i));
            b.u16(1);
            b.u16(2);
            b.u32(3);
        });
    }
    ASSERT_EQ(list.length(), 9800u);
    CountingSink sink;
    ASSERT_TRUE(list.writeTo(sink));
    EXPECT_EQ(sink.writes, (std::vector<std::size_t>{4048, 4048, 1704}));
    EXPECT_EQ(sink.received, list.bytes());
    const auto records = biff::splitRecords(sink.received);
    ASSERT_EQ(records.size(), 700u);
    EXPECT_EQ(biff::u16At(records[699].data, 0), 699);
}

TEST(RecordList, StopsAtTheFirstShortWrite) {
    RecordList list;
    list.add(0x0031, counting(9000));
    CountingSink sink(5000);  // the second chunk is cut short
    EXPECT_FALSE(list.writeTo(sink));
    EXPECT_EQ(sink.writes, (std::vector<std::size_t>{4048, 4048}));
}

TEST(RecordList, EmptyListWritesNothingAndSucceeds) {
    RecordList list;
    CountingSink sink(0);
    EXPECT_TRUE(list.writeTo(sink));
    EXPECT_TRUE(sink.writes.empty());
}

TEST(RecordList, RejectsARecordWhoseFieldsDisagreeWithItsSize) {
    RecordList list;
    EXPECT_THROW(list.build(0x0042, 2, [](RecordBuffer& b) { b.u32(1); }), std::logic_error);
    EXPECT_EQ(list.length(), 0u);
}

}  // namespace
