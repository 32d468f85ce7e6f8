// Left and Right in the file list when the window leaves them to the list:
// one item up or down, never past either end, nothing without items.

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "app/win32/sideways_keys.h"

namespace ek::app::win32 {
namespace {

struct Case {
    const char* name;
    int key;
    int current;
    int count;
    std::optional<int> expected;
};

TEST(Win32SidewaysKeys, MoveOneItemLikeUpAndDown) {
    const Case cases[] = {
        {"Left moves up", VK_LEFT, 2, 5, 1},
        {"Right moves down", VK_RIGHT, 2, 5, 3},
        {"Left at the first item stays", VK_LEFT, 0, 5, std::nullopt},
        {"Right at the last item stays", VK_RIGHT, 4, 5, std::nullopt},
        {"Left without a selection selects nothing", VK_LEFT, -1, 5, std::nullopt},
        {"Right without a selection starts at the first item", VK_RIGHT, -1, 5, 0},
        {"an empty list has nothing to select", VK_RIGHT, -1, 0, std::nullopt},
        {"a selection beyond the items is left alone", VK_LEFT, 7, 5, std::nullopt},
        {"Up is the list box's own", VK_UP, 2, 5, std::nullopt},
        {"Down is the list box's own", VK_DOWN, 2, 5, std::nullopt},
        {"other keys change nothing", 'A', 2, 5, std::nullopt},
    };
    for (const Case& test : cases)
        EXPECT_EQ(rowAfterSidewaysKey(test.key, test.current, test.count), test.expected)
            << test.name;
}

}  // namespace
}  // namespace ek::app::win32
