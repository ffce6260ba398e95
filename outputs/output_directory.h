#pragma once
// The directory an assessment writes into: locked for the run, every file
// written whole under its final name or not at all, summary.json only for a
// complete run, and a list of what was written.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/atomic_file.h"
#include "outputs/directory_lock.h"

namespace kvarn {

// A file written, with what it holds.
struct WrittenFile {
    std::string name;                // within the directory
    std::string kind;                // "report", "points", "map", "summary", "document"
    std::optional<double> frequency; // MHz, for a band's file
    std::optional<double> height;    // m, for one height's file
    std::optional<char> mode;        // for a report file
    std::optional<std::size_t> band; // the band's number in the station file, from 1
};

class OutputDirectory {
  public:
    // The summary of a run, written last: a directory without it holds an
    // incomplete or failed run.
    static constexpr const char* kSummaryName = "summary.json";

    explicit OutputDirectory(std::filesystem::path dir) : dir_(std::move(dir)) {}

    // Before anything is computed: creates the directory (and its parents)
    // when missing, takes its lock (another run writing there refuses at
    // once), removes the temporary files a killed run left, and writes and
    // removes a probe file. False, with the reason among the failures, when
    // any of it fails.
    bool prepare();

    // Writes the file; a failure is kept (naming the file and its reason)
    // and the others go on. The first file written removes an earlier
    // summary.json.
    void write(const WrittenFile& file, std::string_view content);
    // Has `writer` write the file at its full path, all or nothing (as
    // AtomicFile does), and records it; an exception of the writer is kept
    // as a failure naming the file, and the others go on.
    void writeWith(const WrittenFile& file,
                   const std::function<void(const std::filesystem::path&)>& writer);

    // A file written piece by piece while the assessment runs: created now
    // under its temporary name (nullptr, with the failure kept, when it
    // cannot be), and made the file `name` by commit().
    std::unique_ptr<AtomicFile> begin(const std::string& name);
    // Commits the file and records it; a failure is kept.
    void commit(AtomicFile& file, const WrittenFile& info);

    std::filesystem::path pathOf(const std::string& name) const { return dir_ / name; }
    const std::vector<WrittenFile>& written() const { return written_; }
    const std::vector<std::string>& failures() const { return failures_; }
    void fail(const std::string& message) { failures_.push_back(message); }

  private:
    // Before the first file lands: an older summary.json would otherwise
    // vouch for files of this run.
    void startWriting();

    std::filesystem::path dir_;
    DirectoryLock lock_;
    bool started_ = false;
    std::vector<WrittenFile> written_;
    std::vector<std::string> failures_;
};

} // namespace kvarn
