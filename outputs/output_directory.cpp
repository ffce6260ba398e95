#include "outputs/output_directory.h"

#include <algorithm>
#include <system_error>

#include "base/atomic_file.h"

namespace kvarn {

bool OutputDirectory::prepare() {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir_, ec)) {
        if (std::filesystem::exists(dir_, ec)) {
            failures_.push_back("cannot write into " + dir_.string() + ": it is not a directory");
            return false;
        }
        std::filesystem::create_directories(dir_, ec);
        if (ec) {
            failures_.push_back("cannot create the directory " + dir_.string() + ": " +
                                ec.message());
            return false;
        }
    }
    std::string why;
    if (!lock_.acquire(dir_, why)) {
        failures_.push_back(why);
        return false;
    }
    // Only a run that was killed leaves temporary files, and no other run
    // writes here while the lock is held.
    for (const auto& entry : std::filesystem::directory_iterator(dir_, ec)) {
        const std::string name = entry.path().filename().string();
        if (isTemporaryName(name) && entry.is_regular_file(ec))
            std::filesystem::remove(entry.path(), ec);
    }
    // The whole way of a file: created, written, synced, renamed, removed.
    const std::filesystem::path probePath = dir_ / ".kvarn-probe";
    try {
        AtomicFile probe(probePath);
        probe.write("probe\n", 6);
        probe.commit();
        std::filesystem::remove(probePath, ec);
    } catch (const FileWriteError& e) {
        failures_.push_back("cannot write into " + dir_.string() + ": " + e.reason());
        return false;
    }
    return true;
}

void OutputDirectory::startWriting() {
    if (started_) return;
    started_ = true;
    std::error_code ec;
    std::filesystem::remove(dir_ / kSummaryName, ec);
    if (ec)
        failures_.push_back("cannot remove the earlier " + (dir_ / kSummaryName).string() + ": " +
                            ec.message());
}

void OutputDirectory::write(const WrittenFile& file, std::string_view content) {
    startWriting();
    try {
        AtomicFile out(dir_ / file.name);
        out.write(content.data(), content.size());
        out.commit();
        written_.push_back(file);
    } catch (const FileWriteError& e) {
        failures_.push_back(e.what());
    }
}

std::unique_ptr<AtomicFile> OutputDirectory::begin(const std::string& name) {
    startWriting();
    try {
        return std::make_unique<AtomicFile>(dir_ / name);
    } catch (const FileWriteError& e) {
        failures_.push_back(e.what());
        return nullptr;
    }
}

void OutputDirectory::commit(AtomicFile& file, const WrittenFile& info) {
    try {
        file.commit();
        written_.push_back(info);
    } catch (const FileWriteError& e) {
        failures_.push_back(e.what());
    }
}

void OutputDirectory::writeWith(const WrittenFile& file,
                                const std::function<void(const std::filesystem::path&)>& writer) {
    startWriting();
    const std::filesystem::path path = dir_ / file.name;
    try {
        writer(path);
        written_.push_back(file);
    } catch (const FileWriteError& e) {
        failures_.push_back(e.what());
    } catch (const std::exception& e) {
        // A drawing that could not be made: the writer left no file.
        failures_.push_back("cannot write " + path.string() + ": " + e.what());
    }
}

} // namespace kvarn
