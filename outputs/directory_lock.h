#pragma once
// The lock of an output directory: one assessment at a time writes into a
// directory, so two runs never mix their files. The lock is a file in the
// directory holding the process id and start of its holder; the system
// releases it when the holder ends in any way, even by KILL.

#include <filesystem>
#include <string>

namespace kvarn {

class DirectoryLock {
  public:
    DirectoryLock() = default;
    ~DirectoryLock() { release(); }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    // Takes the lock of the directory at once or not at all: false, with
    // the reason (naming the run that holds it), when it cannot.
    bool acquire(const std::filesystem::path& directory, std::string& why);
    // Removes the lock file and lets go.
    void release();

    static constexpr const char* kFileName = ".kvarn-lock";

  private:
    std::filesystem::path path_;
    int fd_ = -1;
    int removal_ = -1; // its slot among the files a signal removes
};

} // namespace kvarn
