#pragma once
// A progress bar on standard error, for long assessments run at a terminal:
// it appears only once the work has taken a second, so that a short run
// prints nothing but its result.

#include <chrono>
#include <string>

namespace kvarn {

class ProgressBar {
  public:
    // Draws only when enabled (standard error is a terminal and output is
    // wanted).
    explicit ProgressBar(bool enabled)
        : enabled_(enabled), start_(std::chrono::steady_clock::now()) {}
    ~ProgressBar() { finish(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // `done` of `total`, and what is being done ("writing points.csv"); the
    // computation when empty.
    void update(long done, long total, const std::string& what = {});
    // Clears the bar's line.
    void finish();

  private:
    bool enabled_;
    std::chrono::steady_clock::time_point start_;
    bool shown_ = false;
    int lastPercent_ = -1;
    std::string lastWhat_;
};

} // namespace kvarn
