#pragma once
// The signals that concern the terminal and the output file. Every signal
// whose default action ends the process first writes out the open output
// file and gives the terminal back; a stop (Ctrl+Z) gives the terminal back
// until the program continues; a resize or a continue asks for the screen to
// be drawn anew. The handlers only call the terminal's hooks, flush the file
// and set a flag; drawing happens in the program's own flow, at the next show
// or inside the key wait. Each handler chains to the action the signal had
// before it was installed.

#include <csignal>

namespace kvarn {

// What the handlers call. Each hook must be async-signal-safe (write and
// tcsetattr only) and safe to call more than once.
struct TerminalHooks {
    void (*release)(); // gives the terminal back for good
    void (*suspend)(); // gives it back for a stop
    void (*resume)();  // takes it again after the stop
};

// Exit status of a program ended by Ctrl+C, as shells report it.
inline constexpr int kInterruptedStatus = 130;
// Exit status when the terminal went away without the hang-up signal (a
// read finds it gone): the status a shell reports for SIGHUP, the other way
// the same loss arrives.
inline constexpr int kTerminalLostStatus = 128 + SIGHUP;

// Installs the handlers:
// - SIGINT (Ctrl+C) flushes the open output file, releases the terminal,
//   calls the previous handler, if any, and ends the program with exit
//   status 130;
// - the other signals whose default action ends the process (TERM, HUP,
//   QUIT, PIPE, USR1, USR2, ALRM, VTALRM, PROF, XCPU, IO, PWR, STKFLT and
//   the real-time signals) flush the file, release the terminal, call the
//   previous handler, if any, and then take their default action;
// - the crash signals (SEGV, BUS, FPE, ILL, ABRT, SYS, TRAP) flush the file,
//   release the terminal and put the previous action back: a fault repeats
//   and meets it with the faulting frame on the stack, a sent signal is
//   raised once more;
// - SIGTSTP suspends, stops the process (or calls the previous handler),
//   and resumes when it continues; SIGCONT resumes and SIGWINCH asks for a
//   redraw, each then calling the previous handler, if any;
// - SIGXFSZ is ignored: a write beyond the file size limit then fails, and
//   the failure is reported with the file's name.
// A signal of the first two groups, or SIGTSTP, that was ignored when the
// program started (nohup, a background job without job control) stays
// ignored.
void installTerminalSignals(const TerminalHooks& hooks);

// A descriptor that becomes readable when a redraw is asked for, so that a
// wait for keys can include it in its poll.
int redrawWakeFd();

// True once for every redraw asked for since the last call; empties the
// wake descriptor.
bool takeRedrawRequest();

// Blocks every signal the handlers above take (whether installed or not)
// while the terminal is given back or the output file is written from the
// program's own flow, so that a handler cannot run half-way through.
// Async-signal-safe.
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
