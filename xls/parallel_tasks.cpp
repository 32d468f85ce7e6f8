#include "xls/parallel_tasks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace xls {

void runTasks(std::size_t count, const std::function<void(std::size_t)>& task,
              unsigned maxThreads) {
    std::vector<std::exception_ptr> failures(count);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            try {
                task(i);
            } catch (...) {
                failures[i] = std::current_exception();
            }
        }
    };
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    const std::size_t helpers =
        std::min<std::size_t>({count, cores, std::max(1U, maxThreads)}) - (count > 0 ? 1 : 0);
    std::vector<std::jthread> threads;
    threads.reserve(helpers);
    for (std::size_t i = 0; i < helpers; ++i) {
        try {
            threads.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // the threads started, and this one, do the rest
        }
    }
    work();
    threads.clear();  // joins
    for (const std::exception_ptr& failure : failures) {
        if (failure) {
            std::rethrow_exception(failure);
        }
    }
}

}  // namespace xls
