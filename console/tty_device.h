#pragma once
// The real terminal behind the console: raw mode, drawing by diff with
// ANSI sequences, key decoding, and the terminal given back on every way out.

namespace kvarn {

// Sets up the terminal on standard input and output and attaches it as the
// console. When either is not a terminal, or the terminal is smaller than
// 80x24, prints a one-line reason on standard error and exits with status 2,
// leaving the terminal untouched.
void openTerminalConsole();

} // namespace kvarn
