#include "console/text_out.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "console/console.h"
#include "console/real_format.h"
#include "console/runtime_error.h"

namespace kvarn {

TextFile output{.isConsole = true,
                .memory = nullptr,
                .name = "",
                .fd = -1,
                .open = true,
                .buffer = {},
                .used = 0};

TextFile memoryText(std::string& target) {
    TextFile f;
    f.memory = &target;
    f.open = true;
    return f;
}

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

// Writes all of data or reports why not; errno is kept for the caller.
bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void flushBuffer(TextFile& f) {
    if (f.used == 0) return;
    std::size_t size = f.used;
    if (!writeAll(f.fd, f.buffer.data(), size)) fileError(f, errno, false);
    f.used = 0;
}

void append(TextFile& f, char ch) {
    if (f.isConsole) {
        consolePut(static_cast<std::uint8_t>(ch));
        return;
    }
    if (f.memory != nullptr) {
        f.memory->push_back(ch);
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

void createTextFile(TextFile& f, std::string_view name) {
    if (f.open) closeFile(f);
    f.isConsole = false;
    f.name = std::string(name.substr(0, 255));
    f.used = 0;
    int fd = ::open(f.name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) fileError(f, errno, true);
    f.fd = fd;
    f.open = true;
    openFile.store(&f);
}

void closeFile(TextFile& f) {
    if (!f.open) return;
    flushBuffer(f);
    openFile.store(nullptr);
    f.open = false;
    if (::close(f.fd) != 0) {
        int err = errno;
        f.fd = -1;
        fileError(f, err, false);
    }
    f.fd = -1;
}

void flushOpenFileForExit() {
    TextFile* f = openFile.load();
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

void abandonFile(TextFile& f) {
    if (openFile.load() == &f) openFile.store(nullptr);
    if (f.open && f.fd >= 0) ::close(f.fd);
    f.fd = -1;
    f.open = false;
    f.used = 0;
}

} // namespace kvarn
