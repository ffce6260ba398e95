#pragma once
// Writing a file so that its final name only ever holds a complete file: the
// bytes go to a temporary file beside it, which is renamed over the final
// name once everything is on disk, and removed on any failure.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "base/text_stream.h"

namespace kvarn {

// A file that could not be written. what() names the path and the reason.
class FileWriteError : public std::runtime_error {
  public:
    FileWriteError(std::filesystem::path path, const std::string& reason);
    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
};

class AtomicFile {
  public:
    // Creates the temporary file; throws FileWriteError when it cannot.
    explicit AtomicFile(std::filesystem::path finalPath);
    // Removes the temporary file unless commit() succeeded.
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Appends bytes; false once any write failed (the reason is kept for
    // commit to report).
    bool write(const void* data, std::size_t size);
    // The bytes written so far.
    std::uintmax_t size() const { return size_; }
    // Cuts what was written back to its first `size` bytes (a part that
    // turned out not to belong); false, with the reason kept, on failure.
    bool truncate(std::uintmax_t size);

    // Marks the content as unusable, e.g. when the producer of the bytes
    // failed; commit() then throws with this reason.
    void fail(const std::string& reason);

    // Writes everything to disk and closes the file, which keeps its
    // temporary name until commit(): so that many complete files need not
    // stay open. A failure is kept for commit to report.
    void seal();

    // Flushes the data to disk and renames the temporary file to the final
    // name; throws FileWriteError (and removes the temporary file) when
    // anything went wrong, now or in an earlier write.
    void commit();

    const std::filesystem::path& finalPath() const { return finalPath_; }
    const std::filesystem::path& tempPath() const { return tempPath_; }

  private:
    [[noreturn]] void abandon(const std::string& reason);
    void removeTemporary();

    std::filesystem::path finalPath_;
    std::filesystem::path tempPath_;
    std::FILE* file_ = nullptr; // while open for writing
    bool settled_ = false;      // committed, or given up and removed
    std::uintmax_t size_ = 0;
    std::string error_;
    int removal_ = -1; // its slot among the files a signal removes
};

// A text stream into an atomic file.
class AtomicFileStream : public TextStream {
  public:
    explicit AtomicFileStream(AtomicFile& file) : file_(file) {}
    void put(std::string_view text) override { file_.write(text.data(), text.size()); }

  private:
    AtomicFile& file_;
};

// Whether a file name is one of the temporary names an AtomicFile writes
// under: what a program killed while writing leaves behind.
bool isTemporaryName(const std::string& name);

} // namespace kvarn
