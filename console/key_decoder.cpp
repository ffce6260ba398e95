#include "console/key_decoder.h"

#include <algorithm>

namespace kvarn {

namespace {

// ESC [ <final> (CSI) and ESC O <final> (SS3), the forms of VT and xterm
// terminals. A modifier parameter (ESC [ 1 ; 5 A for Ctrl+Up, ESC O 2 P for
// Shift+F1) gives the same key as the plain form.
struct FinalKey {
    char final;
    std::uint8_t code;
};
constexpr FinalKey kFinalKeys[] = {
    {'A', scan::Up},     // cursor up
    {'B', scan::Down},   // cursor down
    {'C', scan::Right},  // cursor right
    {'D', scan::Left},   // cursor left
    {'E', scan::Centre}, // keypad 5 ("begin")
    {'H', scan::Home},   // Home
    {'F', scan::End},    // End
    {'P', scan::F1},     // F1
    {'Q', scan::F1 + 1}, // F2
    {'R', scan::F1 + 2}, // F3
    {'S', scan::F1 + 3}, // F4
};

// ESC [ <number> ~ (CSI), also with a modifier after the number (ESC [ 3 ; 5 ~).
struct NumberedKey {
    int number;
    std::uint8_t code;
};
constexpr NumberedKey kTildeKeys[] = {
    {1, scan::Home},    // Home (VT220 "Find")
    {2, scan::Ins},     // Insert
    {3, scan::Del},     // Delete
    {4, scan::End},     // End (VT220 "Select")
    {5, scan::PgUp},    // Page Up
    {6, scan::PgDn},    // Page Down
    {7, scan::Home},    // Home (rxvt)
    {8, scan::End},     // End (rxvt)
    {11, scan::F1},     // F1 (rxvt, old xterm)
    {12, scan::F1 + 1}, // F2
    {13, scan::F1 + 2}, // F3
    {14, scan::F1 + 3}, // F4
    {15, scan::F1 + 4}, // F5
    {17, scan::F1 + 5}, // F6
    {18, scan::F1 + 6}, // F7
    {19, scan::F1 + 7}, // F8
    {20, scan::F1 + 8}, // F9
    {21, scan::F10},    // F10
    {23, scan::F11},    // F11
    {24, scan::F12},    // F12
};

// ESC [ [ <letter>: F1 to F5 of the Linux console.
constexpr std::string_view kLinuxFunctionKeys = "ABCDE"; // F1 .. F5

// ESC <character>: the character's key held with Alt. The PC gives such a
// key the scan code of its place on the keyboard, numbered along each row;
// upper-case letters are the same keys.
struct AltRow {
    std::string_view keys;
    std::uint8_t first; // scan code of the row's first key
};
constexpr AltRow kAltRows[] = {
    {"qwertyuiop[]", 16},  // 16 .. 27
    {"asdfghjkl;'`", 30},  // 30 .. 41
    {"\\", 43},            // 43
    {"zxcvbnm,./", 44},    // 44 .. 53
    {"1234567890-=", 120}, // 120 .. 131
};

std::uint8_t altCode(std::uint8_t ch) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<std::uint8_t>(ch - 'A' + 'a');
    for (const AltRow& row : kAltRows) {
        std::size_t place = row.keys.find(static_cast<char>(ch));
        if (place != std::string_view::npos) return static_cast<std::uint8_t>(row.first + place);
    }
    return scan::Other;
}

// The result of reading one key from the front of the pending bytes.
struct Parsed {
    std::size_t used = 0; // bytes taken; 0 while the key is not complete
    std::uint8_t codes[2] = {0, 0};
    int count = 0;
    bool cut = false; // an over-long sequence whose rest is still to come
};

Parsed one(std::size_t used, std::uint8_t code) {
    return {used, {code, 0}, 1};
}
Parsed two(std::size_t used, std::uint8_t code) {
    return {used, {0, code}, 2};
}
constexpr Parsed kIncomplete{};

bool isControl(std::uint8_t b) {
    return b < 0x20 || b == 0x7f;
}
bool isContinuation(std::uint8_t b) {
    return (b & 0xC0) == 0x80;
}
bool isParameter(std::uint8_t b) {
    return b >= 0x30 && b <= 0x3f;
} // digits ; < = > ?
bool isIntermediate(std::uint8_t b) {
    return b >= 0x20 && b <= 0x2f;
} // space ! " # ...
bool isFinal(std::uint8_t b) {
    return b >= 0x40 && b <= 0x7e;
}

// No key's sequence is this long. A longer one is cut here as one unknown
// key, and the rest of it, up to its final byte, is dropped unread.
constexpr std::size_t kLongestSequence = 32;

// A key that sends one byte below 128.
Parsed plainKey(std::uint8_t b) {
    switch (b) {
    case 0: // Ctrl+@ sends the byte 0, which would read as the start of a pair
        return two(1, scan::NulChar);
    case key::Backspace:
    case key::Delete: // Backspace sends DEL on most terminals, BS on some
        return one(1, key::Backspace);
    case '\n':
    case key::Enter: // Enter sends CR in raw mode; LF is taken as Enter too
        return one(1, key::Enter);
    default: // characters, Tab, and Ctrl+letter as its control code
        return one(1, b);
    }
}

// A character in UTF-8: code points up to 255 become that byte, everything
// else (and any broken encoding) a '?'. The code is left in codes[0].
Parsed utf8Char(std::string_view p, bool timedOut) {
    const auto lead = static_cast<std::uint8_t>(p[0]);
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || lead > 0xF4) return one(1, '?'); // stray continuation byte
    std::uint32_t point = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (k >= p.size()) return timedOut ? one(k, '?') : kIncomplete;
        const auto b = static_cast<std::uint8_t>(p[k]);
        if (!isContinuation(b)) return one(k, '?'); // the byte starts a key of its own
        point = (point << 6) | (b & 0x3F);
    }
    if (point < 0x80 || point > 0xFF) return one(length, '?'); // overlong, or not in one byte
    return one(length, static_cast<std::uint8_t>(point));
}

std::uint8_t finalKey(char final) {
    for (const FinalKey& k : kFinalKeys)
        if (k.final == final) return k.code;
    return scan::Other;
}

// The key of a complete CSI sequence with these parameter bytes.
std::uint8_t csiKey(std::string_view params, char final) {
    // Private parameters (ESC [ < ..., ESC [ ? ...) belong to reports, not keys.
    if (!params.empty() && !(params[0] >= '0' && params[0] <= ';')) return scan::Other;
    if (final == 'Z') return scan::Backtab; // ESC [ Z: Shift+Tab
    if (final != '~') return finalKey(final);
    int number = 0;
    for (char c : params) {
        if (c < '0' || c > '9') break;
        number = std::min(number * 10 + (c - '0'), 1000);
    }
    for (const NumberedKey& k : kTildeKeys)
        if (k.number == number) return k.code;
    return scan::Other;
}

// ESC [ ... or ESC O ...: parameters, intermediates, one final byte.
Parsed controlSequence(std::string_view p, bool timedOut) {
    const bool csi = p[1] == '[';
    if (p.size() == 2) return timedOut ? two(2, altCode(p[1])) : kIncomplete;
    if (csi && p[2] == '[') { // the Linux console's ESC [ [ A .. ESC [ [ E
        if (p.size() == 3) return timedOut ? two(3, scan::Other) : kIncomplete;
        const auto b = static_cast<std::uint8_t>(p[3]);
        if (!isFinal(b)) return two(3, scan::Other);
        std::size_t k = kLinuxFunctionKeys.find(p[3]);
        return two(4, k == std::string_view::npos ? scan::Other
                                                  : static_cast<std::uint8_t>(scan::F1 + k));
    }
    std::size_t i = 2;
    while (i < p.size() && isParameter(static_cast<std::uint8_t>(p[i])))
        ++i;
    const std::size_t paramEnd = i;
    while (i < p.size() && isIntermediate(static_cast<std::uint8_t>(p[i])))
        ++i;
    if (i == p.size() && i >= kLongestSequence) {
        Parsed unknown = two(i, scan::Other);
        unknown.cut = true;
        return unknown;
    }
    if (i == p.size()) return timedOut ? two(i, scan::Other) : kIncomplete;
    const auto b = static_cast<std::uint8_t>(p[i]);
    if (!isFinal(b)) {
        // Broken off by a byte that cannot be part of it: Alt with '[' or
        // 'O' when nothing followed, else an unknown key; the byte is a key
        // of its own.
        return two(i, i == 2 ? altCode(p[1]) : scan::Other);
    }
    if (i != paramEnd) return two(i + 1, scan::Other); // intermediates: no key of ours
    std::string_view params = p.substr(2, paramEnd - 2);
    if (csi) return two(i + 1, csiKey(params, p[i]));
    if (p[i] == 'M') return one(i + 1, key::Enter); // ESC O M: Enter on the numeric keypad
    return two(i + 1, finalKey(p[i]));
}

// Everything that starts with ESC.
Parsed escapeKey(std::string_view p, bool timedOut) {
    if (p.size() == 1) return timedOut ? one(1, key::Esc) : kIncomplete; // Esc alone
    const auto b = static_cast<std::uint8_t>(p[1]);
    // Esc, then a key that sends a control byte (Enter, Tab, Esc again): two keys.
    if (isControl(b)) return one(1, key::Esc);
    if (b == '[' || b == 'O') return controlSequence(p, timedOut);
    if (b < 0x80) return two(2, altCode(b));     // Alt+character
    Parsed ch = utf8Char(p.substr(1), timedOut); // Alt with a character beyond ASCII
    return ch.used == 0 ? kIncomplete : two(ch.used + 1, scan::Other);
}

Parsed parseKey(std::string_view p, bool timedOut) {
    const auto b = static_cast<std::uint8_t>(p[0]);
    if (b == key::Esc) return escapeKey(p, timedOut);
    if (b < 0x80) return plainKey(b);
    return utf8Char(p, timedOut);
}

} // namespace

void KeyDecoder::feed(std::uint8_t byte) {
    pending_ += static_cast<char>(byte);
    quietMs_ = 0;
    decode(false);
}

void KeyDecoder::feed(std::string_view bytes) {
    for (char c : bytes)
        feed(static_cast<std::uint8_t>(c));
}

void KeyDecoder::elapse(int ms) {
    if (pending_.empty() || ms <= 0) return;
    quietMs_ += ms;
    if (quietMs_ >= kEscapeWaitMs) {
        decode(true);
        quietMs_ = 0;
    }
}

int KeyDecoder::waitLimit() const {
    if (pending_.empty()) return -1;
    return std::max(0, kEscapeWaitMs - quietMs_);
}

std::uint8_t KeyDecoder::takeKey() {
    if (keys_.empty()) return scan::Other;
    std::uint8_t code = keys_.front();
    keys_.pop_front();
    return code;
}

// Takes every complete key off the front of the pending bytes. When the wait
// is over, whatever is pending is taken as it stands.
void KeyDecoder::decode(bool timedOut) {
    while (!pending_.empty()) {
        if (skippingTail_) {
            skipTail();
            continue;
        }
        Parsed key = parseKey(pending_, timedOut);
        if (key.used == 0) return;
        for (int k = 0; k < key.count; ++k)
            keys_.push_back(key.codes[k]);
        pending_.erase(0, key.used);
        skippingTail_ = key.cut;
    }
}

// Drops the rest of a cut sequence up to and with its final byte, however
// long it waits for it. A byte that cannot belong to a sequence ends it
// early and is a key of its own.
void KeyDecoder::skipTail() {
    std::size_t k = 0;
    while (k < pending_.size()) {
        const auto b = static_cast<std::uint8_t>(pending_[k]);
        if (isParameter(b) || isIntermediate(b)) {
            ++k;
            continue;
        }
        if (isFinal(b)) ++k; // the end of the sequence goes with it
        skippingTail_ = false;
        break;
    }
    pending_.erase(0, k);
}

} // namespace kvarn
