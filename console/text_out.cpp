#include "console/text_out.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/real_format.h"
#include "console/console.h"
#include "console/runtime_error.h"
#include "console/tty_signals.h"

namespace kvarn {

TextFile output{.isConsole = true, .name = "", .fd = -1, .open = true, .buffer = {}, .used = 0};

namespace {

// The file a signal handler flushes before the process ends.
std::atomic<TextFile*> openFile{nullptr};

int errorNumberOf(int err, bool creating) {
    switch (err) {
    case ENOENT:
        return creating ? kPathNotFound : kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return kPathNotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
    case EIO:
        return kDiskWriteError;
    default:
        return creating ? kAccessDenied : kDiskWriteError;
    }
}

[[noreturn]] void fileError(const TextFile& f, int err, bool creating) {
    std::string reason = std::string(creating ? "cannot create file \"" : "cannot write file \"") +
                         f.name + "\": " + std::strerror(err);
    runtimeError(errorNumberOf(err, creating), reason);
}

// A named pipe or a socket: opened without waiting, and refused.
[[noreturn]] void refuseFileType(const TextFile& f, mode_t mode) {
    runtimeError(kAccessDenied, "cannot create file \"" + f.name +
                                    "\": " + (S_ISFIFO(mode) ? "Is a named pipe" : "Is a socket"));
}

void (*flushWrittenHook)() = nullptr;

// Writes out the buffer. Bytes leave the buffer as soon as they are written,
// and the signals whose handlers flush the file wait meanwhile: the exit
// flush writes only what never reached the file, never a byte twice. After a
// failed write the buffer keeps what was not written.
void flushBuffer(TextFile& f) {
    TerminalSignalsBlocked blocked;
    while (f.used > 0) {
        const ssize_t n = ::write(f.fd, f.buffer.data(), f.used);
        if (n < 0 && errno == EINTR) continue;
        // A write of a non-empty buffer that takes nothing cannot go on.
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            openFile.store(nullptr); // the exit flush does not try again
            fileError(f, err, false);
        }
        if (flushWrittenHook != nullptr) flushWrittenHook();
        const std::size_t written = static_cast<std::size_t>(n);
        std::memmove(f.buffer.data(), f.buffer.data() + written, f.used - written);
        f.used -= written;
    }
}

void append(TextFile& f, char ch) {
    if (f.isConsole) {
        consolePut(static_cast<std::uint8_t>(ch));
        return;
    }
    if (!f.open) runtimeError(103, "file \"" + f.name + "\" is not open");
    if (f.used == f.buffer.size()) flushBuffer(f);
    f.buffer[f.used] = ch;
    std::atomic_signal_fence(std::memory_order_release);
    ++f.used;
}

} // namespace

void writeText(TextFile& f, std::string_view text) {
    for (char ch : text)
        append(f, ch);
}

void writeChar(TextFile& f, char ch) {
    append(f, ch);
}

void writeInt(TextFile& f, long value, int width) {
    writeText(f, formatInt(value, width));
}

void writeReal(TextFile& f, double value, int width, int decimals) {
    writeText(f, formatReal(value, width, decimals));
}

void endWrite(TextFile& f) {
    if (f.isConsole) consoleShow();
}

void writeLineEnd(TextFile& f) {
    append(f, '\r');
    append(f, '\n');
    endWrite(f);
}

// Opening never waits: a named pipe without a reader would block the open
// (O_NONBLOCK makes it fail with ENXIO instead), and one with a reader is
// no file to keep a report in. Either is refused, as is a socket; a device
// such as /dev/null or /dev/full is written like a file.
void createTextFile(TextFile& f, std::string_view name) {
    if (f.open) closeFile(f);
    f.isConsole = false;
    f.name = std::string(name.substr(0, 255));
    f.used = 0;
    const int fd =
        ::open(f.name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int err = errno;
        struct stat st {};
        if (err == ENXIO && ::stat(f.name.c_str(), &st) == 0 &&
            (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)))
            refuseFileType(f, st.st_mode);
        fileError(f, err, true);
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) {
        ::close(fd);
        refuseFileType(f, st.st_mode);
    }
    // Writes to a device wait as writes do; only the open must not.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    f.fd = fd;
    f.open = true;
    openFile.store(&f);
}

void closeFile(TextFile& f) {
    if (!f.open) return;
    // The exit flush sees the file either open with its unwritten bytes or
    // gone, never closed half-way.
    TerminalSignalsBlocked blocked;
    flushBuffer(f);
    openFile.store(nullptr);
    f.open = false;
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0) fileError(f, errno, false);
}

void flushOpenFileForExit() {
    // Exclusive with the program's own flush, and with a handler that comes
    // while this runs in the program's flow; the file is taken off first, so
    // a second call writes nothing.
    TerminalSignalsBlocked blocked;
    TextFile* f = openFile.exchange(nullptr);
    if (f == nullptr || !f->open) return;
    std::atomic_signal_fence(std::memory_order_acquire);
    std::size_t size = f->used;
    const char* data = f->buffer.data();
    while (size > 0) {
        ssize_t n = ::write(f->fd, data, size);
        if (n <= 0) {
            if (n < 0 && errno == EINTR) continue;
            break;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    f->used = 0;
}

void setFlushWrittenHook(void (*hook)()) {
    flushWrittenHook = hook;
}

void abandonFile(TextFile& f) {
    if (openFile.load() == &f) openFile.store(nullptr);
    if (f.open && f.fd >= 0) ::close(f.fd);
    f.fd = -1;
    f.open = false;
    f.used = 0;
}

} // namespace kvarn
