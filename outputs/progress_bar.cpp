#include "outputs/progress_bar.h"

#include <cstdio>
#include <string>

namespace kvarn {

void ProgressBar::update(long done, long total) {
    if (!enabled_ || total <= 0) return;
    const int percent = static_cast<int>(100 * done / total);
    if (percent == lastPercent_) return; // redrawn only when it moves
    lastPercent_ = percent;
    constexpr int kWidth = 40;
    const int filled = kWidth * percent / 100;
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kWidth - filled), '.');
    std::fprintf(stderr, "\r[%s] %3d %%", bar.c_str(), percent);
    std::fflush(stderr);
    shown_ = true;
}

void ProgressBar::finish() {
    if (!shown_) return;
    std::fprintf(stderr, "\r%*s\r", 48, "");
    std::fflush(stderr);
    shown_ = false;
}

} // namespace kvarn
