#include "console/tty_signals.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "console/text_out.h"

namespace kvarn {

namespace {

TerminalHooks hooks{};
int wakePipe[2] = {-1, -1};
std::atomic<bool> redrawAsked{false}; // lock-free, so safe in a handler

// Signals whose default action ends the process and that arrive from
// outside the program's own work: each one writes out the file and gives the
// terminal back before the process ends as the signal says.
constexpr int kExitSignals[] = {
    SIGINT,    // Ctrl+C: the user ends the program (status 130)
    SIGTERM,   // kill, a shutdown
    SIGHUP,    // the terminal went away: window closed, connection lost
    SIGQUIT,   // Ctrl+\: ends with a core file
    SIGPIPE,   // only sent: neither the terminal nor the output file is a pipe
    SIGUSR1,   // the program gives the user signals no meaning; their
    SIGUSR2,   // default still ends it
    SIGALRM,   // timers the program never sets: sent by someone else
    SIGVTALRM, //
    SIGPROF,   //
    SIGXCPU,   // the CPU time limit (ulimit -t) ran out
    SIGIO,     // asynchronous I/O the program never asks for
    SIGPWR,    // power failure
#ifdef SIGSTKFLT
    SIGSTKFLT, // coprocessor stack fault, unused, default ends the process
#endif
};
// Signals of a fault in the program itself: the terminal comes back, and the
// fault repeats with the previous action, so that a core file or a sanitizer
// report shows the faulting frame.
constexpr int kCrashSignals[] = {
    SIGSEGV, // invalid memory access
    SIGBUS,  // misaligned or vanished memory (a mapped file cut short)
    SIGFPE,  // integer division by zero
    SIGILL,  // invalid instruction (a trap the compiler placed)
    SIGABRT, // abort(), a failed assertion
    SIGSYS,  // a system call refused by a filter
    SIGTRAP, // a breakpoint without a debugger
};
// Job control and the terminal's size: the program goes on after them.
constexpr int kJobSignals[] = {SIGTSTP, SIGCONT, SIGWINCH};

// The actions the signals had before installTerminalSignals, for chaining.
struct sigaction previousActions[NSIG];

// A crash from a stack overflow still finds a stack to restore the terminal on.
alignas(16) char crashStack[64 * 1024];

template <typename F> void forEachExitSignal(F f) {
    for (int sig : kExitSignals)
        f(sig);
    // The real-time signals the C library leaves to programs: their default
    // action ends the process too.
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig)
        f(sig);
}

// Every signal handled here, blocked while any one handler runs and while
// the program's own flow gives the terminal back or writes the file.
sigset_t makeHandledSet() {
    sigset_t set;
    sigemptyset(&set);
    forEachExitSignal([&](int sig) { sigaddset(&set, sig); });
    for (int sig : kCrashSignals)
        sigaddset(&set, sig);
    for (int sig : kJobSignals)
        sigaddset(&set, sig);
    return set;
}
const sigset_t handledSignals = makeHandledSet();

bool isHandler(const struct sigaction& action) {
    if (action.sa_flags & SA_SIGINFO) return action.sa_sigaction != nullptr;
    return action.sa_handler != SIG_DFL && action.sa_handler != SIG_IGN;
}

bool isIgnored(const struct sigaction& action) {
    return !(action.sa_flags & SA_SIGINFO) && action.sa_handler == SIG_IGN;
}

// Calls the handler the signal had before, if it had one.
void chain(int sig, siginfo_t* info, void* context) {
    const struct sigaction& previous = previousActions[sig];
    if (!isHandler(previous)) return;
    if (previous.sa_flags & SA_SIGINFO)
        previous.sa_sigaction(sig, info, context);
    else
        previous.sa_handler(sig);
}

// SA_SIGINFO: a crash handler tells a fault from a sent signal by its code,
// and an info handler before it is chained with what it expects.
void setAction(int sig, void (*handler)(int, siginfo_t*, void*), int flags) {
    struct sigaction action {};
    action.sa_sigaction = handler;
    action.sa_mask = handledSignals;
    action.sa_flags = SA_SIGINFO | flags;
    sigaction(sig, &action, nullptr);
}

// Installs the handler and keeps the action it replaces. A signal that was
// ignored stays ignored when keepIgnored is set. Installing again keeps the
// action from before the first time, so that nothing chains to itself.
void install(int sig, void (*handler)(int, siginfo_t*, void*), int flags, bool keepIgnored) {
    struct sigaction current {};
    if (sigaction(sig, nullptr, &current) != 0) return;
    const bool ours = (current.sa_flags & SA_SIGINFO) && current.sa_sigaction == handler;
    if (!ours) {
        if (keepIgnored && isIgnored(current)) return;
        previousActions[sig] = current;
    }
    setAction(sig, handler, flags);
}

void requestRedraw() {
    redrawAsked = true;
    if (wakePipe[1] >= 0) {
        char byte = 1;
        // A full pipe already wakes the wait; the byte may then be dropped.
        [[maybe_unused]] ssize_t n = ::write(wakePipe[1], &byte, 1);
    }
}

// The signal's default action (ending the process, a core dump, a stop),
// at once, from inside its handler.
void takeDefaultAction(int sig) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(sig, &action, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, sig);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    raise(sig);
}

void onExitSignal(int sig, siginfo_t* info, void* context) {
    flushOpenFileForExit(); // the rows already computed reach the file
    hooks.release();
    chain(sig, info, context);
    if (sig == SIGINT) ::_exit(kInterruptedStatus);
    takeDefaultAction(sig);
    ::_exit(128 + sig); // not reached: the default action ends the process
}

// A fault raised by an instruction (its code above 0) happens again when
// the handler returns; a trap, a filtered system call and every sent signal
// do not, and are raised once more.
bool repeatsByItself(int sig, const siginfo_t* info) {
    const bool fault = sig == SIGSEGV || sig == SIGBUS || sig == SIGFPE || sig == SIGILL;
    return fault && info != nullptr && info->si_code > 0;
}

void onCrash(int sig, siginfo_t* info, void*) {
    const int savedErrno = errno;
    flushOpenFileForExit();
    hooks.release();
    struct sigaction previous = previousActions[sig];
    // Ignoring a crash would run on past it with the terminal given back.
    if (isIgnored(previous)) previous.sa_handler = SIG_DFL;
    sigaction(sig, &previous, nullptr);
    // Blocked until the handler returns; then the previous action meets it.
    if (!repeatsByItself(sig, info)) raise(sig);
    errno = savedErrno;
}

void onStop(int sig, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    hooks.suspend();
    if (isHandler(previousActions[SIGTSTP])) {
        chain(sig, info, context);
    } else {
        takeDefaultAction(SIGTSTP); // stops here until the shell continues the program
        setAction(SIGTSTP, onStop, SA_RESTART);
    }
    // A process group without a shell to continue it is not stopped at all;
    // either way the program runs on, so it takes the terminal again.
    hooks.resume();
    requestRedraw();
    errno = savedErrno;
}

void onContinue(int sig, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    hooks.resume();
    requestRedraw();
    chain(sig, info, context);
    errno = savedErrno;
}

void onResize(int sig, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    requestRedraw();
    chain(sig, info, context);
    errno = savedErrno;
}

} // namespace

void installTerminalSignals(const TerminalHooks& h) {
    hooks = h;
    if (wakePipe[0] < 0 && ::pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        wakePipe[0] = wakePipe[1] = -1; // redraws then wait for the next show
    }
    stack_t stack{};
    stack.ss_sp = crashStack;
    stack.ss_size = sizeof crashStack;
    sigaltstack(&stack, nullptr);

    forEachExitSignal([](int sig) { install(sig, onExitSignal, 0, true); });
    for (int sig : kCrashSignals)
        install(sig, onCrash, SA_ONSTACK, false);
    // Interrupted file and terminal writes go on by themselves.
    install(SIGTSTP, onStop, SA_RESTART, true);
    install(SIGCONT, onContinue, SA_RESTART, false);
    install(SIGWINCH, onResize, SA_RESTART, false);
    // A write beyond the file size limit (ulimit -f) would otherwise end the
    // process on the spot, the terminal raw and the buffer lost; ignored, the
    // write fails with EFBIG and the program reports it with the file's name.
    signal(SIGXFSZ, SIG_IGN);
}

int redrawWakeFd() {
    return wakePipe[0];
}

bool takeRedrawRequest() {
    char drain[64];
    if (wakePipe[0] >= 0)
        while (::read(wakePipe[0], drain, sizeof drain) > 0) {
        }
    // After the drain: a request arriving in between leaves its byte behind
    // and at worst wakes the wait once for nothing.
    return redrawAsked.exchange(false);
}

TerminalSignalsBlocked::TerminalSignalsBlocked() {
    sigprocmask(SIG_BLOCK, &handledSignals, &previous_);
}

TerminalSignalsBlocked::~TerminalSignalsBlocked() {
    sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

} // namespace kvarn
