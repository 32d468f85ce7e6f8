#pragma once

#include <cstddef>
#include <functional>

namespace xls {

// Runs task(0) .. task(count - 1), each once, on the calling thread and up
// to `maxThreads` - 1 more (fewer on a machine with fewer cores); each
// thread takes the next task not yet begun, so a long one does not hold up
// the others. Returns when all have ended; then rethrows the exception of
// the first task (in task order) that threw. Where no thread can be
// started, the calling thread runs them all.
void runTasks(std::size_t count, const std::function<void(std::size_t)>& task, unsigned maxThreads);

}  // namespace xls
