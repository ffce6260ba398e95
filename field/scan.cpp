#include "field/scan.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <string>
#include <thread>
#include <vector>

#include "field/fast_kernel.h"

namespace kvarn {

namespace {

// Points of a row computed as one piece of work, at most: small enough to
// keep every core busy on a narrow grid, large enough that handing it over
// costs nothing next to its element loops.
constexpr std::size_t kChunkPoints = 32;
// Pieces per thread a scan is cut into at least, points allowing, so that
// the threads end together: the last piece of the scan waits alone.
constexpr long kChunksPerThread = 8;

// A piece of one row.
struct Chunk {
    double yp = 0;
    bool rowStart = false;           // the row begins with this chunk
    bool rowEnd = false;             // ... and ends with it
    std::vector<double> xs;          // m, the points' x, left to right
    std::vector<ComputedPoint> done; // computed so far; ends early at a stop
    bool ready = false;              // guarded by the scan's mutex
};

// Cuts the grid's rows into chunks, in scan order.
class ChunkMaker {
  public:
    ChunkMaker(const GridAxes& axes, std::size_t chunkPoints)
        : axes_(axes), chunkPoints_(chunkPoints) {}

    // The next chunk, or nullptr after the last row.
    std::unique_ptr<Chunk> next() {
        if (row_ >= axes_.rows() || axes_.columns() == 0) return nullptr;
        auto chunk = std::make_unique<Chunk>();
        chunk->yp = axes_.ys[row_];
        chunk->rowStart = column_ == 0;
        const std::size_t end = std::min(axes_.columns(), column_ + chunkPoints_);
        chunk->xs.assign(axes_.xs.begin() + static_cast<std::ptrdiff_t>(column_),
                         axes_.xs.begin() + static_cast<std::ptrdiff_t>(end));
        chunk->done.reserve(chunk->xs.size());
        column_ = end;
        if (column_ == axes_.columns()) {
            chunk->rowEnd = true;
            column_ = 0;
            ++row_;
        }
        return chunk;
    }

  private:
    const GridAxes& axes_;
    std::size_t chunkPoints_;
    std::size_t row_ = 0, column_ = 0;
};

// What computes a point: the fast model or the reference procedures.
class PointSource {
  public:
    PointSource(const PointInputs& in, const ScanOptions& options)
        : in_(in), modes_(options.modes), fast_(options.kernel == Kernel::fast) {
        if (fast_) model_ = std::make_unique<FastModel>(in, options.modes);
    }
    ComputedPoint operator()(double xp, double yp) const {
        return fast_ ? model_->point(xp, yp) : referencePoint(in_, modes_, xp, yp);
    }

  private:
    PointInputs in_;
    ModeSet modes_;
    bool fast_;
    std::unique_ptr<FastModel> model_;
};

void compute(const PointSource& source, Chunk& chunk) {
    for (double xp : chunk.xs) {
        chunk.done.push_back(source(xp, chunk.yp));
        if (chunk.done.back().cthElement != 0) return; // nothing after it is needed
    }
}

// Worker threads computing chunks handed to them, each marked ready when
// done. The signals of the process go to the thread that runs the scan:
// Ctrl+C and its kind find it waiting for the next chunk and end the
// program from there, never half-way through a worker's piece.
class Workers {
  public:
    Workers(const PointSource& source, unsigned count) : source_(source) {
        for (unsigned k = 0; k < count; ++k)
            threads_.emplace_back([this] { work(); });
    }
    // Waits for the chunks under way; the rest are never started.
    ~Workers() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
            queue_.clear();
        }
        wake_.notify_all();
        threads_.clear(); // joins
    }

    void hand(Chunk* chunk) {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(chunk);
        }
        wake_.notify_one();
    }

    void waitFor(const Chunk& chunk) {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return chunk.ready; });
    }

  private:
    void work() {
        sigset_t all;
        sigfillset(&all);
        // Faults of this thread's own making stay deliverable to it.
        for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS})
            sigdelset(&all, sig);
        pthread_sigmask(SIG_BLOCK, &all, nullptr);
        for (;;) {
            Chunk* chunk = nullptr;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
                if (stopping_) return;
                chunk = queue_.front();
                queue_.pop_front();
            }
            compute(source_, *chunk);
            {
                std::lock_guard lock(mutex_);
                chunk->ready = true;
            }
            ready_.notify_all();
        }
    }

    const PointSource& source_;
    std::mutex mutex_;
    std::condition_variable wake_;  // work was handed, or the scan ends
    std::condition_variable ready_; // a chunk is done
    std::deque<Chunk*> queue_;
    bool stopping_ = false;
    std::vector<std::jthread> threads_; // last: joined before the rest goes
};

// Hands a computed chunk to the sinks; false at a stop, with the outcome.
bool deliver(const Chunk& chunk, std::span<PointSink* const> sinks, ScanOutcome& outcome) {
    if (chunk.rowStart)
        for (PointSink* sink : sinks)
            sink->rowBegins(chunk.yp);
    for (const ComputedPoint& p : chunk.done) {
        if (p.cthElement != 0) {
            outcome = {true, p.result.xp, p.result.yp, p.cthElement, false};
            return false;
        }
        // Finite inputs give finite values; should one not, it stops the
        // scan rather than reach a report as "Nan" or "+Inf".
        for (double v : p.result.values)
            if (!std::isfinite(v)) {
                outcome = {false, p.result.xp, p.result.yp, 0, true};
                return false;
            }
        for (PointSink* sink : sinks)
            sink->point(p.result);
    }
    if (chunk.rowEnd)
        for (PointSink* sink : sinks)
            sink->rowEnds(chunk.yp);
    return true;
}

} // namespace

unsigned scanThreads() {
    if (const char* text = std::getenv("KVARN_THREADS")) {
        char* end = nullptr;
        const long n = std::strtol(text, &end, 10);
        if (end != text && *end == '\0' && n >= 1 && n <= 256) return static_cast<unsigned>(n);
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

ScanOutcome scanGrid(const Grid& grid, const PointInputs& in, const ScanOptions& options,
                     std::span<PointSink* const> sinks) {
    return scanGrid(layGrid(grid), in, options, sinks);
}

ScanOutcome scanGrid(const GridAxes& grid, const PointInputs& in, const ScanOptions& options,
                     std::span<PointSink* const> sinks) {
    const PointSource source(in, options);
    const unsigned threads = options.threads != 0 ? options.threads : scanThreads();
    ScanOutcome outcome;

    if (threads <= 1) {
        ChunkMaker maker(grid, kChunkPoints);
        while (std::unique_ptr<Chunk> chunk = maker.next()) {
            compute(source, *chunk);
            if (!deliver(*chunk, sinks, outcome)) break;
        }
        return outcome;
    }

    const long points = static_cast<long>(grid.points());
    ChunkMaker maker(grid,
                     static_cast<std::size_t>(std::clamp(points / (kChunksPerThread * threads), 1L,
                                                         static_cast<long>(kChunkPoints))));
    // Chunks under way, in scan order; enough ahead to keep every thread busy
    // while the sinks take the front one.
    const std::size_t ahead = 4 * static_cast<std::size_t>(threads);
    std::deque<std::unique_ptr<Chunk>> window;
    Workers workers(source, threads); // after window: gone first, waiting for its chunks
    auto refill = [&] {
        while (window.size() < ahead) {
            std::unique_ptr<Chunk> chunk = maker.next();
            if (!chunk) return;
            workers.hand(chunk.get());
            window.push_back(std::move(chunk));
        }
    };
    refill();
    while (!window.empty()) {
        workers.waitFor(*window.front());
        if (!deliver(*window.front(), sinks, outcome)) break;
        window.pop_front();
        refill();
    }
    return outcome;
}

PointResult recordOf(const PointInputs& in, const PointWork& work) {
    PointResult p;
    p.xp = work.xp;
    p.yp = work.yp;
    p.tooclose = work.tooclose;
    const int k = modeIndex(in.fieldMode);
    if (k >= 0) p.values[static_cast<std::size_t>(k)] = pointValue(in.fieldMode, work);
    return p;
}

} // namespace kvarn
