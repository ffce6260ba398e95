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

#include "console/key_codes.h"

namespace kvarn {

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

    // Whether the next byte continues something begun: a key not yet
    // complete, or the tail of a cut sequence, which is dropped up to its
    // final byte however long it takes to come.
    bool midSequence() const { return !pending_.empty() || skippingTail_; }

    bool hasKey() const { return !keys_.empty(); }
    // The oldest decoded code; scan::Other, taking nothing, when there is
    // none.
    std::uint8_t takeKey();

  private:
    void decode(bool timedOut);
    void skipTail();

    std::string pending_; // bytes of a key that may not be complete yet
    std::deque<std::uint8_t> keys_;
    int quietMs_ = 0;           // time since the last byte, while bytes are pending
    bool skippingTail_ = false; // an over-long sequence was cut; its rest is dropped
};

} // namespace kvarn
