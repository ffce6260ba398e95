#pragma once
// How many threads the engine uses, and the loop that spreads independent
// pieces of work over them. Every piece is computed whole by one thread, so
// the results do not depend on the number of threads.

#include <cstddef>
#include <functional>

namespace kvarn::mom {

// KVARN_THREADS when it holds a whole number from 1 to 256, else the
// machine's cores (at least 1).
unsigned momThreads();

// `threads`, or momThreads() for 0.
unsigned resolveThreads(unsigned threads);

// Calls work(i) once for every i in [0, count), on `threads` threads (0:
// momThreads()); returns when all are done.
void parallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

} // namespace kvarn::mom
