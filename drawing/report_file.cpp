#include "drawing/report_file.h"

#include <cairo-pdf.h>
#include <stdexcept>
#include <string>
#include <variant>

#include "drawing/cairo_handles.h"
#include "drawing/report_pages.h"

namespace kvarn {

namespace {

// Every drawing must be drawable before anything is written.
void checkDrawings(const ReportDocument& document) {
    auto check = [](const char* kind, const std::string& title, const std::string& problem) {
        if (!problem.empty())
            throw std::invalid_argument(std::string("cannot draw the ") + kind + " \"" + title +
                                        "\": " + problem);
    };
    for (const ReportPart& part : document.parts)
        for (const ReportBlock& block : part.blocks) {
            if (const auto* m = std::get_if<ReportMap>(&block))
                check("field map", m->map.title, fieldMapProblem(m->map));
            if (const auto* p = std::get_if<ReportSitePlan>(&block))
                check("site plan", p->plan.title, sitePlanProblem(p->plan));
            if (const auto* v = std::get_if<ReportSideView>(&block))
                check("side view", v->view.title, sideViewProblem(v->view));
        }
}

bool listsParts(const ReportDocument& document) {
    for (const ReportPart& part : document.parts)
        for (const ReportBlock& block : part.blocks)
            if (std::holds_alternative<ReportContents>(block)) return true;
    return false;
}

// A list of parts is laid out with the numbers the pass before found (zeros
// in the first pass). Wider numbers can make its table shrink to fit the
// page, which can move a part, so the passes repeat, a few at most, until
// the pages stay put.
constexpr int kMostPasses = 4;

ReportPagination paginate(const ReportDocument& document, const PageGeometry& page) {
    // Laid out on a PDF surface that writes nowhere, so that the text is
    // measured exactly as in the file.
    Surface surface(cairo_pdf_surface_create_for_stream(nullptr, nullptr, page.width, page.height));
    Context cr(cairo_create(surface.get()));
    ReportPagination found = drawReportPages(cr.get(), document, page, {}, false);
    if (!listsParts(document)) return found;
    for (int pass = 1; pass < kMostPasses; ++pass) {
        const ReportPagination again = drawReportPages(cr.get(), document, page, found, false);
        if (again == found) break;
        found = again;
    }
    return found;
}

} // namespace

ReportPagination paginateReport(const ReportDocument& document) {
    checkDrawings(document);
    return paginate(document, PageGeometry{});
}

void writeReportPdf(const ReportDocument& document, const std::filesystem::path& path) {
    checkDrawings(document);
    const PageGeometry page;
    const ReportPagination pages = paginate(document, page);

    AtomicFile file(path);
    {
        Surface surface(
            cairo_pdf_surface_create_for_stream(writeToAtomicFile, &file, page.width, page.height));
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE,
                                       document.title.c_str());
        cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "kvarn");
        {
            Context cr(cairo_create(surface.get()));
            drawReportPages(cr.get(), document, page, pages);
            if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
                file.fail(std::string("drawing failed: ") +
                          cairo_status_to_string(cairo_status(cr.get())));
        }
        cairo_surface_finish(surface.get());
        if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
            file.fail(cairo_status_to_string(cairo_surface_status(surface.get())));
    }
    file.commit();
}

} // namespace kvarn
