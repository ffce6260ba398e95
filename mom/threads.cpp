#include "mom/threads.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <thread>
#include <vector>

namespace kvarn::mom {

namespace {

constexpr long kMaxThreads = 256;

} // namespace

unsigned momThreads() {
    if (const char* text = std::getenv("KVARN_THREADS")) {
        char* end = nullptr;
        const long n = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && n >= 1 && n <= kMaxThreads)
            return static_cast<unsigned>(n);
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

unsigned resolveThreads(unsigned threads) {
    return threads != 0 ? threads : momThreads();
}

void parallelFor(std::size_t count, unsigned threads,
                 const std::function<void(std::size_t)>& work) {
    const std::size_t n = std::min<std::size_t>(resolveThreads(threads), count);
    if (n <= 1) {
        for (std::size_t i = 0; i < count; ++i)
            work(i);
        return;
    }
    // Pieces are handed out one at a time: they differ in cost (a field
    // point near the wire takes longer than one far away).
    std::atomic<std::size_t> next{0};
    auto run = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::jthread> helpers;
    helpers.reserve(n - 1);
    for (std::size_t t = 1; t < n; ++t)
        helpers.emplace_back(run);
    run();
}

} // namespace kvarn::mom
