#include "ground/parallel_nodes.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace kvarn::ground {

void forEachNode(std::size_t count, unsigned threads,
                 const std::function<void(std::size_t)>& work) {
    unsigned n = threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency());
    n = static_cast<unsigned>(std::min<std::size_t>(n, count));
    // Nodes are handed out one at a time: far and grazing ones cost more.
    std::atomic<std::size_t> next{0};
    auto run = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;)
            work(i);
    };
    std::vector<std::jthread> pool;
    for (unsigned t = 1; t < n; ++t)
        pool.emplace_back(run);
    run();
}

} // namespace kvarn::ground
