#include "platform/paths.h"

#include <gtest/gtest.h>

namespace ek::platform {
namespace {

TEST(Paths, JoinAddsOnlyAMissingSeparator) {
    EXPECT_EQ(joinPath(u"/d/Price Lists/", u"test.lst", u'/'), u"/d/Price Lists/test.lst");
    EXPECT_EQ(joinPath(u"/d/Price Lists", u"test.lst", u'/'), u"/d/Price Lists/test.lst");
    EXPECT_EQ(joinPath(u"C:\\Ceníky\\", u"a.lst", u'\\'), u"C:\\Ceníky\\a.lst");
    EXPECT_EQ(joinPath(u"C:\\Ceníky", u"a.lst", u'\\'), u"C:\\Ceníky\\a.lst");
    EXPECT_EQ(joinPath(u"C:/Ceníky/", u"a.lst", u'\\'), u"C:/Ceníky/a.lst");
    // No documents folder: the path runs from the root.
    EXPECT_EQ(joinPath(u"", u"Verdigo 2016", u'\\'), u"\\Verdigo 2016");
}

TEST(Paths, SplitKeepsTheRoot) {
    EXPECT_EQ(splitPath(u"/a/b/Zahrada u domu.txt", u'/').folder, u"/a/b");
    EXPECT_EQ(splitPath(u"/a/b/Zahrada u domu.txt", u'/').name, u"Zahrada u domu.txt");
    EXPECT_EQ(splitPath(u"/x.txt", u'/').folder, u"/");
    EXPECT_EQ(splitPath(u"x.txt", u'/').folder, u"");
    EXPECT_EQ(splitPath(u"x.txt", u'/').name, u"x.txt");
    EXPECT_EQ(splitPath(u"C:\\x.txt", u'\\').folder, u"C:\\");
    EXPECT_EQ(splitPath(u"C:\\d\\x.txt", u'\\').folder, u"C:\\d");
}

TEST(Paths, Absolute) {
#ifdef _WIN32
    EXPECT_TRUE(isAbsolutePath(u"C:\\x"));
    EXPECT_TRUE(isAbsolutePath(u"C:/x"));
    EXPECT_TRUE(isAbsolutePath(u"\\\\server\\x"));
    EXPECT_TRUE(isAbsolutePath(u"\\x"));  // from the current drive's root
    EXPECT_TRUE(isAbsolutePath(u"/x"));
    EXPECT_FALSE(isAbsolutePath(u"x\\y"));
    EXPECT_FALSE(isAbsolutePath(u"C:x"));
    EXPECT_FALSE(isAbsolutePath(u""));
#else
    EXPECT_TRUE(isAbsolutePath(u"/x"));
    EXPECT_FALSE(isAbsolutePath(u"samples/Documents"));
    EXPECT_FALSE(isAbsolutePath(u""));
#endif
}

}  // namespace
}  // namespace ek::platform
