#include "xls/model/text_pool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace xls {
namespace {

TEST(TextPool, StoredTextsStayPutAcrossChunks) {
    TXLSTextPool pool;
    std::vector<std::u16string> originals;
    std::vector<std::u16string_view> stored;
    for (int i = 0; i < 3000; ++i) {
        originals.push_back(std::u16string(static_cast<std::size_t>(i % 40 + 1),
                                           static_cast<char16_t>(u'a' + i % 26)));
        stored.push_back(pool.Store(originals.back()));
    }
    originals.push_back(std::u16string(TXLSTextPool::kChunkUnits + 5, u'L'));  // own block
    stored.push_back(pool.Store(originals.back()));
    originals.push_back(u"after the long one");
    stored.push_back(pool.Store(originals.back()));
    for (std::size_t i = 0; i < originals.size(); ++i) {
        ASSERT_EQ(stored[i], originals[i]) << i;
        ASSERT_NE(stored[i].data(), originals[i].data());
    }
    EXPECT_TRUE(pool.Store(u"").empty());
}

TEST(TextPool, CountsWaste) {
    TXLSTextPool pool;
    const std::u16string_view a = pool.Store(u"abcd");
    pool.Store(u"ef");
    pool.Forget(a);
    EXPECT_EQ(pool.StoredUnits(), 6U);
    EXPECT_EQ(pool.WastedUnits(), 4U);
}

}  // namespace
}  // namespace xls
