#pragma once
// A printed report as a PDF file of A4 pages.

#include <filesystem>

#include "base/atomic_file.h"
#include "drawing/report_document.h"
#include "drawing/report_pages.h"

namespace kvarn {

// Writes `document` to `path`, its feet numbered "page n of m". The file
// appears under its name complete or not at all: see AtomicFile. Throws
// FileWriteError naming the path and the reason, or std::invalid_argument
// for a map, site plan or side view that cannot be drawn (then no file is
// made).
void writeReportPdf(const ReportDocument& document, const std::filesystem::path& path);

// The pages `document` takes on A4 and where each part starts, as the file
// will have them: laid out without drawing the maps, measured as in the
// file. Throws std::invalid_argument as writeReportPdf does.
ReportPagination paginateReport(const ReportDocument& document);

} // namespace kvarn
