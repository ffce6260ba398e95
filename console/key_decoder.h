#pragma once
// Turns the bytes a terminal sends for key presses into the console's key
// codes: a character key as its code, a key without a character as 0 and a
// PC scan code. Pure: it is fed bytes and the time that passed without one,
// and never reads a clock, so the wait that tells a lone Esc from the start of
// an escape sequence is decided by its caller's measurements.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace kvarn {

// PC scan codes, the second code of a two-code key.
namespace scan {
inline constexpr std::uint8_t Backtab = 15; // Shift+Tab
inline constexpr std::uint8_t NulChar = 3;  // Ctrl+@ (the byte 0)
inline constexpr std::uint8_t F1 = 59;      // F1 to F10 are 59 to 68
inline constexpr std::uint8_t F10 = 68;
inline constexpr std::uint8_t Home = 71;
inline constexpr std::uint8_t Up = 72;
inline constexpr std::uint8_t PgUp = 73;
inline constexpr std::uint8_t Left = 75;
inline constexpr std::uint8_t Centre = 76; // keypad 5 without Num Lock
inline constexpr std::uint8_t Right = 77;
inline constexpr std::uint8_t End = 79;
inline constexpr std::uint8_t Down = 80;
inline constexpr std::uint8_t PgDn = 81;
inline constexpr std::uint8_t Ins = 82;
inline constexpr std::uint8_t Del = 83;
inline constexpr std::uint8_t F11 = 133;
inline constexpr std::uint8_t F12 = 134;
// Any key or sequence without a scan code of its own.
inline constexpr std::uint8_t Other = 255;
} // namespace scan

class KeyDecoder {
  public:
    // How long a started sequence may wait for its next byte before it is
    // taken as it stands (an Esc alone, an Alt key, a cut-off sequence).
    static constexpr int kEscapeWaitMs = 25;

    // Bytes as read from the terminal, in order.
    void feed(std::uint8_t byte);
    void feed(std::string_view bytes);
    // Tells the decoder that this many milliseconds went by without a byte.
    void elapse(int ms);
    // How many milliseconds the caller may wait for the next byte before it
    // must call elapse(); -1 when nothing is pending (wait as long as it takes).
    int waitLimit() const;

    bool hasKey() const { return !keys_.empty(); }
    // The oldest decoded code; only when hasKey().
    std::uint8_t takeKey();

  private:
    void decode(bool timedOut);

    std::string pending_; // bytes of a key that may not be complete yet
    std::deque<std::uint8_t> keys_;
    int quietMs_ = 0; // time since the last byte, while bytes are pending
};

} // namespace kvarn
