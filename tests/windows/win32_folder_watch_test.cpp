// Following the material-list folder: a file that appears wakes the loop, and
// the report comes once the folder has been quiet for the settling time.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/win32/folder_watch.h"
#include "support/scratch_folder.h"

namespace ek::app::win32 {
namespace {

std::wstring wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

constexpr DWORD kPatience = 5000;  // milliseconds; Wine's notifications are not instant

TEST(Win32FolderWatch, ANewFileSignalsTheHandle) {
    const test::ScratchFolder folder;
    FolderWatch watch;
    watch.watch(wide(folder.path()));
    ASSERT_NE(watch.handle(), nullptr);
    EXPECT_EQ(::WaitForSingleObject(watch.handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    folder.writeFile(u"Nová zahrada.txt", test::bytesOf("x"));
    EXPECT_EQ(::WaitForSingleObject(watch.handle(), kPatience), WAIT_OBJECT_0);
    // Re-armed by signalled(): the next change signals again.
    watch.signalled(::GetTickCount64());
    folder.writeFile(u"Další.txt", test::bytesOf("y"));
    EXPECT_EQ(::WaitForSingleObject(watch.handle(), kPatience), WAIT_OBJECT_0);
}

TEST(Win32FolderWatch, NothingIsWatchedWithoutAnExistingFolder) {
    const test::ScratchFolder folder;
    FolderWatch watch;
    watch.watch(wide(folder / u"chybí"));
    EXPECT_EQ(watch.handle(), nullptr);
    watch.watch(L"");
    EXPECT_EQ(watch.handle(), nullptr);
    EXPECT_EQ(watch.waitMilliseconds(0), INFINITE);
}

TEST(Win32FolderWatch, TheReportWaitsUntilTheFolderHasBeenQuiet) {
    const test::ScratchFolder folder;
    FolderWatch watch;
    watch.watch(wide(folder.path()));
    EXPECT_EQ(watch.waitMilliseconds(1000), INFINITE);
    EXPECT_FALSE(watch.takeSettledChange(1000));

    watch.signalled(1000);
    EXPECT_EQ(watch.waitMilliseconds(1000), FolderWatch::kSettleMilliseconds);
    EXPECT_EQ(watch.waitMilliseconds(1100), FolderWatch::kSettleMilliseconds - 100);
    EXPECT_FALSE(watch.takeSettledChange(1100));
    // Another change meanwhile: the quiet starts again.
    watch.signalled(1100);
    EXPECT_FALSE(watch.takeSettledChange(1000 + FolderWatch::kSettleMilliseconds));
    EXPECT_EQ(watch.waitMilliseconds(1300), 0u);  // overdue: no waiting
    EXPECT_TRUE(watch.takeSettledChange(1100 + FolderWatch::kSettleMilliseconds));
    // One report for the lot.
    EXPECT_FALSE(watch.takeSettledChange(5000));
    EXPECT_EQ(watch.waitMilliseconds(5000), INFINITE);
}

TEST(Win32FolderWatch, WatchingTheSameFolderAgainKeepsAPendingReport) {
    const test::ScratchFolder folder;
    const test::ScratchFolder other;
    FolderWatch watch;
    watch.watch(wide(folder.path()));
    watch.signalled(0);
    watch.watch(wide(folder.path()));
    EXPECT_TRUE(watch.takeSettledChange(FolderWatch::kSettleMilliseconds));

    // Another folder: what happened in the old one is no news.
    watch.signalled(0);
    watch.watch(wide(other.path()));
    EXPECT_FALSE(watch.takeSettledChange(FolderWatch::kSettleMilliseconds));
    EXPECT_EQ(watch.folder(), wide(other.path()));
}

}  // namespace
}  // namespace ek::app::win32
