#include "outputs/output_directory.h"

#include <system_error>

#include "outputs/atomic_file.h"

namespace kvarn {

bool OutputDirectory::prepare() {
    std::error_code ec;
    if (std::filesystem::is_directory(dir_, ec)) return true;
    if (std::filesystem::exists(dir_, ec)) {
        failures_.push_back("cannot write into " + dir_.string() + ": it is not a directory");
        return false;
    }
    std::filesystem::create_directories(dir_, ec);
    if (ec) {
        failures_.push_back("cannot create the directory " + dir_.string() + ": " + ec.message());
        return false;
    }
    return true;
}

void OutputDirectory::write(const WrittenFile& file, std::string_view content) {
    try {
        AtomicFile out(dir_ / file.name);
        out.write(content.data(), content.size());
        out.commit();
        written_.push_back(file);
    } catch (const FileWriteError& e) {
        failures_.push_back(e.what());
    }
}

void OutputDirectory::writeWith(const WrittenFile& file,
                                const std::function<void(const std::filesystem::path&)>& writer) {
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
