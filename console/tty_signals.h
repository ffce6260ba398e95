#pragma once
// The signals that concern the terminal. The ways out (Ctrl+C, TERM, HUP,
// QUIT and the crash signals) give the terminal back before the process
// ends; a stop (Ctrl+Z) gives it back until the program continues; a resize
// or a continue asks for the screen to be drawn anew. The handlers only call
// the terminal's hooks and set a flag; drawing happens in the program's own
// flow, at the next show or inside the key wait.

#include <csignal>

namespace kvarn {

// What the handlers call. Each hook must be async-signal-safe (write and
// tcsetattr only) and safe to call more than once.
struct TerminalHooks {
    void (*release)(); // gives the terminal back for good
    void (*suspend)(); // gives it back for a stop
    void (*resume)();  // takes it again after the stop
};

// Installs the handlers:
// - SIGINT (Ctrl+C) flushes the open output file, releases the terminal and
//   ends the program with exit status 130;
// - SIGTERM, SIGHUP and SIGQUIT flush the file, release the terminal and
//   then take their default action;
// - SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT and SIGSYS release the terminal
//   and then take their default action;
// - SIGTSTP suspends, stops the process, and resumes when it continues;
// - SIGCONT resumes and SIGWINCH asks for a redraw.
void installTerminalSignals(const TerminalHooks& hooks);

// A descriptor that becomes readable when a redraw is asked for, so that a
// wait for keys can include it in its poll.
int redrawWakeFd();

// True once for every redraw asked for since the last call; empties the
// wake descriptor.
bool takeRedrawRequest();

// Blocks the signals above while the terminal is given back from the
// program's own flow, so that a handler cannot run half-way through.
class TerminalSignalsBlocked {
  public:
    TerminalSignalsBlocked();
    ~TerminalSignalsBlocked();
    TerminalSignalsBlocked(const TerminalSignalsBlocked&) = delete;
    TerminalSignalsBlocked& operator=(const TerminalSignalsBlocked&) = delete;

  private:
    sigset_t previous_; // the signal mask before
};

} // namespace kvarn
