#pragma once
// The site plan and the side views as files: PNG, SVG or PDF, one drawing per
// file.

#include <filesystem>

#include "drawing/page_file.h"
#include "drawing/site_plan.h"

namespace kvarn {

// Writes the drawing filling a page of `size` to `path`; PNG and SVG pages
// end below it, a PDF keeps the whole page. The file appears under its name
// complete or not at all: see AtomicFile. Throws FileWriteError naming the
// path and the reason, or std::invalid_argument, before anything is written,
// for a plan or view that cannot be drawn (see sitePlanProblem,
// sideViewProblem).
void writeSitePlan(const SitePlan& plan, const std::filesystem::path& path, MapFormat format,
                   PageSize size);
void writeSideView(const SideView& view, const std::filesystem::path& path, MapFormat format,
                   PageSize size);

inline void writeSitePlan(const SitePlan& plan, const std::filesystem::path& path,
                          MapFormat format) {
    writeSitePlan(plan, path, format, defaultPageSize(format));
}
inline void writeSideView(const SideView& view, const std::filesystem::path& path,
                          MapFormat format) {
    writeSideView(view, path, format, defaultPageSize(format));
}

} // namespace kvarn
