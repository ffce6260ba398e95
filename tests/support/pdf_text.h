#pragma once
// A PDF read back page by page with pdftotext (Debian poppler-utils, which
// `make` installs for the tests).

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace kvarn::testing {

// The text of each page of `pdf`, in reading order; empty when pdftotext is
// missing or cannot read the file.
inline std::vector<std::string> pdfPages(const std::filesystem::path& pdf) {
    const std::string command = "pdftotext '" + pdf.string() + "' - 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return {};
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
    // Every page ends with a form feed.
    std::vector<std::string> pages;
    for (std::size_t start = 0, end; (end = text.find('\f', start)) != std::string::npos;
         start = end + 1)
        pages.push_back(text.substr(start, end - start));
    return pages;
}

// Whether pdftotext can be run at all, for a clear message when it cannot.
inline bool havePdfToText() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

} // namespace kvarn::testing
