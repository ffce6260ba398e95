#pragma once
// The directory an assessment writes into: every file written whole under
// its final name or not at all, and a list of what was written.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn {

// A file written, with what it holds.
struct WrittenFile {
    std::string name;                // within the directory
    std::string kind;                // "report", "points", "map", "summary", "document"
    std::optional<double> frequency; // MHz, for a band's file
    std::optional<double> height;    // m, for one height's file
    std::optional<char> mode;        // for a report file
};

class OutputDirectory {
  public:
    explicit OutputDirectory(std::filesystem::path dir) : dir_(std::move(dir)) {}

    // Creates the directory (and its parents) when missing; false, with the
    // reason among the failures, when it cannot.
    bool prepare();
    // Writes the file; a failure is kept (naming the file and its reason)
    // and the others go on.
    void write(const WrittenFile& file, std::string_view content);
    // Has `writer` write the file at its full path, all or nothing (as
    // AtomicFile does), and records it; an exception of the writer is kept
    // as a failure naming the file, and the others go on.
    void writeWith(const WrittenFile& file,
                   const std::function<void(const std::filesystem::path&)>& writer);
    // Records a file that something else wrote into the directory.
    void record(const WrittenFile& file) { written_.push_back(file); }

    std::filesystem::path pathOf(const std::string& name) const { return dir_ / name; }
    const std::vector<WrittenFile>& written() const { return written_; }
    const std::vector<std::string>& failures() const { return failures_; }
    void fail(const std::string& message) { failures_.push_back(message); }

  private:
    std::filesystem::path dir_;
    std::vector<WrittenFile> written_;
    std::vector<std::string> failures_;
};

} // namespace kvarn
