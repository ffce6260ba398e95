#pragma once
// Evaluates table nodes on several threads. Each node is computed whole by
// one thread, so the tables do not depend on the number of threads.

#include <cstddef>
#include <functional>

namespace kvarn::ground {

// Calls work(i) once for every i in [0, count) on `threads` threads (0: one
// per core); returns when all are done.
void forEachNode(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

} // namespace kvarn::ground
