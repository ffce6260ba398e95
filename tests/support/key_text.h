#pragma once
// The keys the forms and questions react to, as strings to join into key
// scripts: "7.1" + tab + "2" + esc + enter.

#include <string>

#include "console/key_codes.h"

namespace kvarn::testing::key_text {

inline const std::string tab(keys::Tab);
inline const std::string bt(keys::Backtab); // Shift+Tab
inline const std::string esc(keys::Esc);
inline const std::string enter(keys::Enter);
inline const std::string bs(keys::Backspace);

} // namespace kvarn::testing::key_text
