#include "drawing/plan_file.h"

#include <stdexcept>
#include <string>

#include "drawing/draw_side_view.h"
#include "drawing/draw_site_plan.h"

namespace kvarn {

void writeSitePlan(const SitePlan& plan, const std::filesystem::path& path, MapFormat format,
                   PageSize size) {
    if (const std::string problem = sitePlanProblem(plan); !problem.empty())
        throw std::invalid_argument("cannot draw the site plan \"" + plan.title + "\": " + problem);
    const double bottom = layoutSitePlan(plan, {0, 0, size.width, size.height}).frame.bottom;
    writeDrawingFile(path, format, size, plan.title, bottom,
                     [&](cairo_t* cr, const Rect& area) { drawSitePlan(cr, plan, area); });
}

void writeSideView(const SideView& view, const std::filesystem::path& path, MapFormat format,
                   PageSize size) {
    if (const std::string problem = sideViewProblem(view); !problem.empty())
        throw std::invalid_argument("cannot draw the side view \"" + view.title + "\": " + problem);
    const double bottom = layoutSideView(view, {0, 0, size.width, size.height}).frame.bottom;
    writeDrawingFile(path, format, size, view.title, bottom,
                     [&](cairo_t* cr, const Rect& area) { drawSideView(cr, view, area); });
}

} // namespace kvarn
