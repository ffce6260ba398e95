#pragma once
// A progress bar on standard error, for long assessments run at a terminal.

namespace kvarn {

class ProgressBar {
  public:
    // Draws only when enabled (standard error is a terminal and output is
    // wanted).
    explicit ProgressBar(bool enabled) : enabled_(enabled) {}
    ~ProgressBar() { finish(); }
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(long done, long total);
    // Clears the bar's line.
    void finish();

  private:
    bool enabled_;
    bool shown_ = false;
    int lastPercent_ = -1;
};

} // namespace kvarn
