#include "outputs/progress_bar.h"

#include <cstdio>

namespace kvarn {

namespace {

constexpr auto kQuietTime = std::chrono::seconds(1); // before the bar shows
constexpr int kWidth = 40;                           // characters of the bar
constexpr int kLine = 79;                            // the whole line, cleared at the end

} // namespace

void ProgressBar::update(long done, long total, const std::string& what) {
    if (!enabled_ || total <= 0) return;
    if (!shown_ && std::chrono::steady_clock::now() - start_ < kQuietTime) return;
    const int percent = static_cast<int>(100 * done / total);
    if (percent == lastPercent_ && what == lastWhat_) return; // redrawn only when it moves
    lastPercent_ = percent;
    lastWhat_ = what;
    const int filled = kWidth * percent / 100;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kWidth - filled), '.');
    const std::string label = (what.empty() ? std::string("computing") : what).substr(0, 30);
    std::fprintf(stderr, "\r[%s] %3d %% %-30s", bar.c_str(), percent, label.c_str());
    std::fflush(stderr);
    shown_ = true;
}

void ProgressBar::finish() {
    if (!shown_) return;
    std::fprintf(stderr, "\r%*s\r", kLine, "");
    std::fflush(stderr);
    shown_ = false;
}

} // namespace kvarn
