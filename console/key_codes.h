#pragma once
// The key codes the console's readKey returns, in one place: a key with a
// character as that character's code, a key without one as 0 followed by a
// PC scan code. Also the same keys as the bytes a key script types.

#include <cstdint>
#include <string_view>

namespace kvarn {

// Codes of single-code keys, and the lead code of a two-code key.
namespace key {
inline constexpr std::uint8_t TwoCode = 0; // a key without a character follows
inline constexpr std::uint8_t Backspace = 8;
inline constexpr std::uint8_t Tab = 9;
inline constexpr std::uint8_t Enter = 13;
inline constexpr std::uint8_t Esc = 27;
inline constexpr std::uint8_t Delete = 127; // the byte many terminals send for Backspace
} // namespace key

// PC scan codes, the second code of a two-code key.
namespace scan {
inline constexpr std::uint8_t NulChar = 3;  // Ctrl+@ (the byte 0)
inline constexpr std::uint8_t Backtab = 15; // Shift+Tab
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

// The keys as key scripts spell them (tests, fuzzing): the codes above as
// bytes, two-code keys as their two bytes.
namespace keys {
namespace detail {
inline constexpr char kTab[] = {static_cast<char>(key::Tab)};
inline constexpr char kEnter[] = {static_cast<char>(key::Enter)};
inline constexpr char kEsc[] = {static_cast<char>(key::Esc)};
inline constexpr char kBackspace[] = {static_cast<char>(key::Backspace)};
inline constexpr char kBacktab[] = {static_cast<char>(key::TwoCode),
                                    static_cast<char>(scan::Backtab)};
inline constexpr char kRight[] = {static_cast<char>(key::TwoCode), static_cast<char>(scan::Right)};
} // namespace detail
inline constexpr std::string_view Tab{detail::kTab, 1};
inline constexpr std::string_view Enter{detail::kEnter, 1};
inline constexpr std::string_view Esc{detail::kEsc, 1};
inline constexpr std::string_view Backspace{detail::kBackspace, 1};
inline constexpr std::string_view Backtab{detail::kBacktab, 2}; // Shift+Tab
inline constexpr std::string_view Right{detail::kRight, 2};     // a cursor key
} // namespace keys

} // namespace kvarn
