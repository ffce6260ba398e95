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

constexpr int kExitSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
constexpr int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGSYS};
constexpr int kJobSignals[] = {SIGTSTP, SIGCONT, SIGWINCH};

// Exit status of a program ended by Ctrl+C, as shells report it.
constexpr int kInterruptedStatus = 130;

// A crash from a stack overflow still finds a stack to restore the terminal on.
alignas(16) char crashStack[64 * 1024];

// Every signal handled here, blocked while any one handler runs.
sigset_t handledSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : kExitSignals)
        sigaddset(&set, sig);
    for (int sig : kCrashSignals)
        sigaddset(&set, sig);
    for (int sig : kJobSignals)
        sigaddset(&set, sig);
    return set;
}

void install(int sig, void (*handler)(int), int flags) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_mask = handledSignals();
    action.sa_flags = flags;
    sigaction(sig, &action, nullptr);
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

void onExitSignal(int sig) {
    flushOpenFileForExit(); // the rows already computed reach the file
    hooks.release();
    if (sig == SIGINT) ::_exit(kInterruptedStatus);
    takeDefaultAction(sig);
    ::_exit(128 + sig); // not reached: the default action ends the process
}

void onCrash(int sig) {
    hooks.release();
    takeDefaultAction(sig);
    ::_exit(128 + sig);
}

void onStop(int) {
    const int savedErrno = errno;
    hooks.suspend();
    takeDefaultAction(SIGTSTP); // stops here until the shell continues the program
    install(SIGTSTP, onStop, SA_RESTART);
    // A process group without a shell to continue it is not stopped at all;
    // either way the program runs on, so it takes the terminal again.
    hooks.resume();
    requestRedraw();
    errno = savedErrno;
}

void onContinue(int) {
    const int savedErrno = errno;
    hooks.resume();
    requestRedraw();
    errno = savedErrno;
}

void onResize(int) {
    const int savedErrno = errno;
    requestRedraw();
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

    for (int sig : kExitSignals)
        install(sig, onExitSignal, 0);
    for (int sig : kCrashSignals)
        install(sig, onCrash, SA_ONSTACK);
    // Interrupted file and terminal writes go on by themselves.
    install(SIGTSTP, onStop, SA_RESTART);
    install(SIGCONT, onContinue, SA_RESTART);
    install(SIGWINCH, onResize, SA_RESTART);
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
    sigset_t set = handledSignals();
    sigprocmask(SIG_BLOCK, &set, &previous_);
}

TerminalSignalsBlocked::~TerminalSignalsBlocked() {
    sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

} // namespace kvarn
