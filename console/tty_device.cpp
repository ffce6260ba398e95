#include "console/tty_device.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "console/console.h"
#include "console/key_decoder.h"
#include "console/runtime_error.h"
#include "console/tty_render.h"
#include "console/tty_signals.h"

namespace kvarn {

namespace {

constexpr int kMinColumns = 80;
constexpr int kMinRows = 24;
constexpr int kMaxSide = 255; // the console's coordinates are bytes
constexpr int kRefusedStatus = 2;

// The terminal as the signal handlers see it. Set before they are installed
// and changed only with them blocked, or from inside one of them.
termios savedModes{};                   // the modes the program found
termios rawModes{};                     // the modes it runs in
volatile std::sig_atomic_t running = 0; // the program draws on the terminal
volatile std::sig_atomic_t isRaw = 0;   // rawModes are set

// The bytes that give the terminal back, kept ready for a handler: written
// into the spare copy, then switched to in one store.
struct RestoreText {
    char bytes[64];
    std::size_t size;
};
RestoreText restoreTexts[2]{};
volatile std::sig_atomic_t restoreIndex = 0;

void publishRestoreText(const std::string& text) {
    const int spare = 1 - restoreIndex;
    RestoreText& t = restoreTexts[spare];
    t.size = std::min(text.size(), sizeof t.bytes);
    std::memcpy(t.bytes, text.data(), t.size);
    std::atomic_signal_fence(std::memory_order_release);
    restoreIndex = spare;
}

// Writes everything, going on after interruptions; a terminal that is gone
// takes nothing more. Async-signal-safe.
void writeAll(const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(STDOUT_FILENO, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

// Colours, wrap and cursor back, cursor below the drawing, then the modes
// the program found, once the bytes are out (when, with TCSAFLUSH, keys
// typed for the program are dropped rather than left to the shell).
// Async-signal-safe; does nothing the second time.
void giveBack(int when) {
    if (!isRaw) return;
    isRaw = 0;
    const int savedErrno = errno;
    std::atomic_signal_fence(std::memory_order_acquire);
    const RestoreText& t = restoreTexts[restoreIndex];
    writeAll(t.bytes, t.size);
    ::tcsetattr(STDIN_FILENO, when, &savedModes);
    errno = savedErrno;
}

void releaseForGood() {
    running = 0;
    giveBack(TCSAFLUSH);
}

void suspendTerminal() {
    giveBack(TCSADRAIN);
}

// Set also when the modes look set: a process stopped by SIGSTOP gave
// nothing back, and its shell may have changed the modes in the meantime.
void resumeTerminal() {
    if (!running) return;
    const int savedErrno = errno;
    if (::tcsetattr(STDIN_FILENO, TCSADRAIN, &rawModes) == 0) isRaw = 1;
    errno = savedErrno;
}

void releaseAtExit() {
    TerminalSignalsBlocked blocked;
    releaseForGood();
}

termios makeRaw(termios t) {
    // Input: Enter arrives as CR, not turned into LF; Ctrl+S and Ctrl+Q are
    // keys, not flow control; a break is no interrupt; no parity check and
    // no stripping of the eighth bit (UTF-8 needs it).
    t.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INLCR | IGNCR | IXON | INPCK | ISTRIP);
    // Output: no processing; the renderer sends exactly the bytes it means.
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    // Eight-bit characters without parity.
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
    t.c_cflag |= CS8;
    // No echo, no line editing, no Ctrl+V quoting. ISIG stays on: Ctrl+C,
    // Ctrl+Z and Ctrl+\ send their signals also while a long scan reads no
    // keys.
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | IEXTEN);
    t.c_lflag |= ISIG;
    // Those signals do not throw away output still on its way to the
    // terminal: the rows last drawn stay on the screen.
    t.c_lflag |= NOFLSH;
    // A read returns as soon as one byte is there; longer waits are poll's.
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    return t;
}

long monotonicMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

// The terminal's size now; false when it cannot be read.
bool terminalSize(int& columns, int& rows) {
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0 || size.ws_row == 0)
        return false;
    columns = size.ws_col;
    rows = size.ws_row;
    return true;
}

[[noreturn]] void refuse(const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, reason.c_str());
    std::exit(kRefusedStatus);
}

class TtyDevice final : public ConsoleDevice {
  public:
    void show(const Screen& screen) override;
    std::uint8_t nextKey() override;
    void restore() override;

  private:
    void redraw();
    void readKeyBytes();

    KeyDecoder decoder_;
    TtyRenderer renderer_;
    const Screen* shown_ = nullptr; // the screen last shown, for redraws
    std::string out_;
};

void TtyDevice::show(const Screen& screen) {
    if (!running) return;
    shown_ = &screen;
    if (takeRedrawRequest()) redraw();
    out_.clear();
    renderer_.render(screen, out_);
    publishRestoreText(renderer_.restoreSequence());
    writeAll(out_.data(), out_.size()); // one write for the whole show
}

// After a stop or a resize: what the terminal shows is unknown, so the
// next render clears it and draws every cell, within its present size.
void TtyDevice::redraw() {
    int columns = kMaxSide, rows = kMaxSide;
    terminalSize(columns, rows);
    renderer_.clip(columns, rows);
    renderer_.invalidate();
}

std::uint8_t TtyDevice::nextKey() {
    for (;;) {
        if (decoder_.hasKey()) return decoder_.takeKey();
        if (takeRedrawRequest()) {
            redraw();
            if (shown_ != nullptr) show(*shown_);
        }
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {redrawWakeFd(), POLLIN, 0}};
        const long start = monotonicMs();
        const int ready = ::poll(fds, 2, decoder_.waitLimit());
        const int waited = static_cast<int>(monotonicMs() - start);
        if (ready < 0 && errno != EINTR) endProgram(kTerminalLostStatus);
        if (ready > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            readKeyBytes();
        } else {
            decoder_.elapse(waited); // the wait ran out, or a signal came first
        }
    }
}

void TtyDevice::readKeyBytes() {
    unsigned char bytes[64];
    const ssize_t n = ::read(STDIN_FILENO, bytes, sizeof bytes);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
    // End of input or an error: the terminal is gone (in raw mode Ctrl+D is
    // a key, not an end), and no key will ever come.
    if (n <= 0) endProgram(kTerminalLostStatus);
    for (ssize_t k = 0; k < n; ++k)
        decoder_.feed(bytes[k]);
}

void TtyDevice::restore() {
    TerminalSignalsBlocked blocked;
    releaseForGood();
}

} // namespace

void openTerminalConsole() {
    if (!::isatty(STDIN_FILENO)) refuse("standard input is not a terminal");
    if (!::isatty(STDOUT_FILENO)) refuse("standard output is not a terminal");
    int columns = 80, rows = 25; // where the terminal cannot tell its size
    terminalSize(columns, rows);
    if (columns < kMinColumns || rows < kMinRows)
        refuse("needs a terminal of at least 80x24, this one is " + std::to_string(columns) + "x" +
               std::to_string(rows));
    columns = std::min(columns, kMaxSide);
    rows = std::min(rows, kMaxSide);
    if (::tcgetattr(STDIN_FILENO, &savedModes) != 0)
        refuse(std::string("cannot read the terminal's modes: ") + std::strerror(errno));
    rawModes = makeRaw(savedModes);

    static TtyDevice device;
    running = 1;
    installTerminalSignals({releaseForGood, suspendTerminal, resumeTerminal});
    std::atexit(releaseAtExit);
    {
        TerminalSignalsBlocked blocked;
        if (::tcsetattr(STDIN_FILENO, TCSADRAIN, &rawModes) != 0)
            refuse(std::string("cannot set the terminal's modes: ") + std::strerror(errno));
        isRaw = 1;
    }
    attachConsole(device, columns, rows);
}

} // namespace kvarn
