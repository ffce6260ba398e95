#include "base/range_check.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kvarn {

namespace {

RangeCheckReport installed = nullptr;

} // namespace

void setRangeCheckReport(RangeCheckReport report) {
    installed = report;
}

void rangeCheckFailed(std::size_t index, std::size_t size) {
    const std::string reason =
        "range check: index " + std::to_string(index) + " outside 1.." + std::to_string(size);
    if (installed != nullptr) installed(reason);
    std::fprintf(stderr, "Runtime error %d: %s\n", kRangeCheckError, reason.c_str());
    std::exit(kRangeCheckError);
}

} // namespace kvarn
