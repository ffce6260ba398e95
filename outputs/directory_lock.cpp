#include "outputs/directory_lock.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/removal_on_signal.h"

namespace kvarn {

namespace {

// What the lock file says of its holder: "process 1234, started 2026-12-08 13:40:02".
std::string holderText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char when[32] = "";
    if (::localtime_r(&now, &local) != nullptr)
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
    return "process " + std::to_string(::getpid()) + ", started " + when;
}

std::string readHolder(int fd) {
    char text[128] = "";
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    std::string holder(text, n > 0 ? static_cast<std::size_t>(n) : 0);
    while (!holder.empty() && (holder.back() == '\n' || holder.back() == '\0'))
        holder.pop_back();
    return holder.empty() ? "a process that has just started" : holder;
}

} // namespace

bool DirectoryLock::acquire(const std::filesystem::path& directory, std::string& why) {
    const std::filesystem::path path = directory / kFileName;
    // A holder that ends removes the file after unlocking it; a file opened
    // just before may be locked by us after that, but no longer be the one
    // under the name: then open it again.
    const RemovalSignalsHeld signalsHeld; // until the lock file is registered for removal
    for (int attempt = 0; attempt < 10; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            why = "cannot write into " + directory.string() + ": " + std::strerror(errno);
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            why = error == EWOULDBLOCK
                      ? "the directory " + directory.string() +
                            " is in use by another kvarn run (" + readHolder(fd) +
                            "); wait for it to end, or choose another directory with --out"
                      : "cannot lock " + path.string() + ": " + std::strerror(error);
            ::close(fd);
            return false;
        }
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
            held.st_ino == named.st_ino && held.st_dev == named.st_dev) {
            const std::string holder = holderText() + "\n";
            if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, holder.data(), holder.size(), 0) !=
                                               static_cast<ssize_t>(holder.size())) {
                why = "cannot write into " + directory.string() + ": " + std::strerror(errno);
                ::unlink(path.c_str());
                ::close(fd);
                return false;
            }
            path_ = path;
            fd_ = fd;
            removal_ = registerRemoval(path_.c_str());
            return true;
        }
        ::close(fd);
    }
    why = "cannot lock " + path.string() + ": it keeps being replaced";
    return false;
}

void DirectoryLock::release() {
    if (fd_ < 0) return;
    // Removed while still held, so that no other run locks the old file.
    ::unlink(path_.c_str());
    releaseRemoval(removal_);
    removal_ = -1;
    ::close(fd_);
    fd_ = -1;
}

} // namespace kvarn
