#include "base/atomic_file.h"

#include "base/removal_on_signal.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kvarn {

namespace {

std::string systemReason(int error) {
    return std::strerror(error);
}

// Why a file could not be created under `path`, from the error of open().
std::string creationReason(const std::filesystem::path& path, int error) {
    std::error_code ignored;
    const std::filesystem::path directory =
        path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    if (error == ENOENT && !std::filesystem::exists(directory, ignored))
        return "the directory " + directory.string() + " does not exist";
    if (error == ENOTDIR) return "a part of the directory path is not a directory";
    return systemReason(error);
}

// A name beside the final one that no other writer picks: hidden, with the
// process id and a counter; O_EXCL guards against leftovers of the same name.
// isTemporaryName() recognises it.
std::filesystem::path tempName(const std::filesystem::path& finalPath) {
    static std::atomic<unsigned> counter{0};
    const std::string name = "." + finalPath.filename().string() + "." +
                             std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    return finalPath.parent_path() / name;
}

} // namespace

bool isTemporaryName(const std::string& name) {
    // "." <final name> "." <digits> "-" <digits> ".tmp"
    constexpr std::string_view kEnd = ".tmp";
    if (name.size() < 8 || name.front() != '.' || !name.ends_with(kEnd)) return false;
    const std::string_view middle(name.data(), name.size() - kEnd.size());
    const std::size_t dot = middle.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return false;
    const std::string_view ids = middle.substr(dot + 1);
    const std::size_t dash = ids.find('-');
    const auto digits = [](std::string_view t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return dash != std::string_view::npos && digits(ids.substr(0, dash)) &&
           digits(ids.substr(dash + 1));
}

FileWriteError::FileWriteError(std::filesystem::path path, const std::string& reason)
    : std::runtime_error("cannot write " + path.string() + ": " + reason), path_(std::move(path)),
      reason_(reason) {}

AtomicFile::AtomicFile(std::filesystem::path finalPath) : finalPath_(std::move(finalPath)) {
    if (finalPath_.filename().empty())
        throw FileWriteError(finalPath_, "the path has no file name");
    // Readable as any new file of this user (the umask applies), not just
    // by the owner as mkstemp would leave it.
    int fd = -1;
    const RemovalSignalsHeld held; // until the file is registered for removal
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath_ = tempName(finalPath_);
        fd = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) throw FileWriteError(finalPath_, creationReason(finalPath_, errno));
    removal_ = registerRemoval(tempPath_.c_str());
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        const int error = errno;
        ::close(fd);
        ::unlink(tempPath_.c_str());
        releaseRemoval(removal_);
        throw FileWriteError(finalPath_, systemReason(error));
    }
}

AtomicFile::~AtomicFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!settled_) removeTemporary();
}

void AtomicFile::removeTemporary() {
    ::unlink(tempPath_.c_str());
    releaseRemoval(removal_);
    removal_ = -1;
    settled_ = true;
}

bool AtomicFile::write(const void* data, std::size_t size) {
    if (!error_.empty()) return false;
    if (file_ == nullptr) {
        error_ = "written after it was closed";
        return false;
    }
    if (std::fwrite(data, 1, size, file_) != size) {
        error_ = systemReason(errno);
        return false;
    }
    size_ += size;
    return true;
}

bool AtomicFile::truncate(std::uintmax_t size) {
    if (!error_.empty()) return false;
    if (file_ == nullptr || size > size_) {
        error_ = "cut after it was closed or beyond its end";
        return false;
    }
    if (std::fflush(file_) != 0 || ::ftruncate(::fileno(file_), static_cast<off_t>(size)) != 0 ||
        std::fseek(file_, static_cast<long>(size), SEEK_SET) != 0) {
        error_ = systemReason(errno);
        return false;
    }
    size_ = size;
    return true;
}

void AtomicFile::fail(const std::string& reason) {
    if (error_.empty()) error_ = reason;
}

void AtomicFile::seal() {
    if (file_ == nullptr) return;
    // The data must be on disk before a rename makes it the final file, or
    // a crash could leave an empty file under the final name.
    if (error_.empty() && (std::fflush(file_) != 0 || ::fsync(::fileno(file_)) != 0))
        error_ = systemReason(errno);
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0 && error_.empty()) error_ = systemReason(errno);
}

void AtomicFile::abandon(const std::string& reason) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    removeTemporary();
    throw FileWriteError(finalPath_, reason);
}

void AtomicFile::commit() {
    if (settled_) throw FileWriteError(finalPath_, "committed twice");
    seal();
    if (!error_.empty()) abandon(error_);
    if (std::rename(tempPath_.c_str(), finalPath_.c_str()) != 0) abandon(systemReason(errno));
    releaseRemoval(removal_);
    removal_ = -1;
    settled_ = true;
}

} // namespace kvarn
