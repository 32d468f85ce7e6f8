#include "xls/parallel_tasks.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace xls {
namespace {

TEST(RunTasks, RunsEachTaskOnceWhateverTheThreadCount) {
    for (const unsigned threads : {1U, 2U, 8U}) {
        std::vector<std::atomic<int>> runs(100);
        runTasks(
            runs.size(), [&](std::size_t task) { ++runs[task]; }, threads);
        for (const std::atomic<int>& count : runs)
            EXPECT_EQ(count.load(), 1) << threads << " threads";
    }
    runTasks(
        0, [](std::size_t) { FAIL() << "no task to run"; }, 2);
}

TEST(RunTasks, OneThreadRunsEverythingOnTheCaller) {
    const std::thread::id caller = std::this_thread::get_id();
    runTasks(
        5, [&](std::size_t) { EXPECT_EQ(std::this_thread::get_id(), caller); }, 1);
}

// A failing task stops none of the others; the caller sees the first
// failure in task order, after all have ended.
TEST(RunTasks, RethrowsTheFirstFailureAfterEveryTaskEnded) {
    std::atomic<int> ended{0};
    try {
        runTasks(
            10,
            [&](std::size_t task) {
                ++ended;
                if (task == 3 || task == 7)
                    throw std::runtime_error("task " + std::to_string(task));
            },
            2);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "task 3");
    }
    EXPECT_EQ(ended.load(), 10);
}

}  // namespace
}  // namespace xls
