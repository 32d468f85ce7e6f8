#include "xls/formats/key_list.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

// A key list with two built-in entries, keys "B0" and "B1".
class TwoBuiltIns : public TXLSKeyList {
  public:
    TwoBuiltIns() : TXLSKeyList(u"fallback", 2) {
        AddBuiltIn(u"B0");
        AddBuiltIn(u"B1");
    }
};

TEST(KeyList, NewKeyIsAppendedWithOneReference) {
    TwoBuiltIns list;
    EXPECT_EQ(list.Derive(0, u"K"), 2);
    EXPECT_EQ(list.Entry(2).references, 1);
    EXPECT_EQ(list.LiveCount(), 1);
    EXPECT_EQ(list.Derive(0, u"K"), 2);
    EXPECT_EQ(list.Entry(2).references, 2);
    EXPECT_EQ(list.LiveCount(), 1);
}

TEST(KeyList, SameKeyAsTheOldEntryChangesNothing) {
    TwoBuiltIns list;
    list.Derive(0, u"K");
    EXPECT_EQ(list.Derive(2, u"K"), 2);
    EXPECT_EQ(list.Entry(2).references, 1);
}

TEST(KeyList, DerivingMovesTheReference) {
    TwoBuiltIns list;
    const std::int32_t k = list.Derive(0, u"K");
    const std::int32_t l = list.Derive(k, u"L");
    EXPECT_EQ(l, 3);
    EXPECT_EQ(list.Entry(k).references, 0);
    EXPECT_EQ(list.Entry(l).references, 1);
    EXPECT_EQ(list.LiveCount(), 1);
    // Back to K: found, not appended; L loses its reference.
    EXPECT_EQ(list.Derive(l, u"K"), k);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Entry(l).references, 0);
    EXPECT_EQ(list.Entry(k).references, 1);
}

TEST(KeyList, BuiltInsAreNeverCounted) {
    TwoBuiltIns list;
    EXPECT_EQ(list.Derive(0, u"B1"), 1);
    EXPECT_EQ(list.Entry(1).references, 0);
    list.AddReference(1);
    list.ReleaseReference(0);
    EXPECT_EQ(list.Entry(1).references, 0);
    EXPECT_EQ(list.Entry(0).references, 0);
    EXPECT_EQ(list.LiveCount(), 0);
}

TEST(KeyList, EntryZerosKeyIsNeverFound) {
    TwoBuiltIns list;
    EXPECT_EQ(list.Find(u"B0"), 0);
    EXPECT_EQ(list.Derive(0, u"B0"), 2);  // a copy of entry 0
    EXPECT_EQ(list.Derive(0, u"B0"), 2);  // from now on the key leads to the copy
    EXPECT_EQ(list.Entry(2).references, 2);
}

TEST(KeyList, ReferencesDoNotGoBelowZero) {
    TwoBuiltIns list;
    const std::int32_t k = list.Derive(0, u"K");
    list.ReleaseReference(k);
    list.ReleaseReference(k);
    EXPECT_EQ(list.Entry(k).references, 0);
    EXPECT_EQ(list.LiveCount(), 0);
    list.AddReference(k);
    EXPECT_EQ(list.LiveCount(), 1);
    list.ReleaseReference(99);  // outside the list: ignored
    list.AddReference(-1);
}

TEST(KeyList, ManyReferencesInOneStepCountAsOneAtATime) {
    TwoBuiltIns one;
    TwoBuiltIns many;
    for (TwoBuiltIns* list : {&one, &many}) {
        list->Derive(0, u"K");  // 2, one reference
        list->Derive(0, u"L");  // 3
        list->Derive(3, u"L");
    }
    for (int i = 0; i < 5; ++i) {
        one.MoveReference(2, 3);  // the fifth finds K at 0 already
        one.AddReference(1);      // built-in: not counted
    }
    many.MoveReferences(2, 3, 5);
    many.AddReferences(1, 5);
    for (std::int32_t index = 0; index < 4; ++index) {
        EXPECT_EQ(many.Entry(index).references, one.Entry(index).references) << index;
    }
    EXPECT_EQ(many.Entry(2).references, 0);
    EXPECT_EQ(many.LiveCount(), one.LiveCount());
    EXPECT_EQ(many.LiveCount(), 1);
}

TEST(KeyList, KeyOutsideTheListIsTheFallback) {
    TwoBuiltIns list;
    EXPECT_EQ(list.Key(1), u"B1");
    EXPECT_EQ(list.Key(2), u"fallback");
    EXPECT_EQ(list.Key(-1), u"fallback");
}

TEST(KeyList, CompactionNumbersWrittenEntries) {
    TwoBuiltIns list;
    const std::int32_t k = list.Derive(0, u"K");
    const std::int32_t l = list.Derive(0, u"L");
    const std::int32_t m = list.Derive(0, u"M");
    list.ReleaseReference(l);
    list.Compact();
    EXPECT_EQ(list.Entry(0).writtenNumber, 1);
    EXPECT_EQ(list.Entry(1).writtenNumber, 2);
    EXPECT_EQ(list.Entry(k).writtenNumber, 3);
    EXPECT_EQ(list.Entry(l).writtenNumber, 0);
    EXPECT_EQ(list.Entry(l).writtenPosition, -1);
    EXPECT_EQ(list.Entry(m).writtenNumber, 4);
    EXPECT_EQ(list.Entry(m).writtenPosition, 3);
    EXPECT_EQ(list.WrittenCount(), 4);
    EXPECT_EQ(list.LiveCount(), 4);
}

TEST(KeyList, GrowsWithoutLosingEntries) {
    TwoBuiltIns list;
    for (int i = 0; i < 120; ++i) {
        const std::u16string key = u"K" + std::u16string(1, static_cast<char16_t>(u'A' + i));
        EXPECT_EQ(list.Derive(0, key), i + 2);
    }
    EXPECT_EQ(list.Count(), 122);
    EXPECT_EQ(list.Find(u"KB"), 3);
}

}  // namespace
}  // namespace xls
