#include "xls/formats/hash_integer.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(HashInteger, HoldsTheValueRegisteredLast) {
    THashInteger index;
    EXPECT_EQ(index.Lookup(u"a"), 0);
    index.Register(u"a", 5);
    index.Register(u"b", 6);
    index.Register(u"a", 7);
    EXPECT_EQ(index.Lookup(u"a"), 7);
    EXPECT_EQ(index.Lookup(u"b"), 6);
    EXPECT_EQ(index.Lookup(u"A"), 0);
    EXPECT_EQ(index.Count(), 2U);
}

TEST(HashInteger, ZeroLooksLikeAbsent) {
    THashInteger index;
    index.Register(u"zero", 0);
    EXPECT_EQ(index.Lookup(u"zero"), 0);
    EXPECT_TRUE(index.Contains(u"zero"));
    EXPECT_FALSE(index.Contains(u"other"));
}

}  // namespace
}  // namespace xls
