#include "drawing/report_pages.h"

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/draw_field_map.h"
#include "drawing/draw_side_view.h"
#include "drawing/draw_site_plan.h"
#include "drawing/map_layout.h"
#include "drawing/map_text.h"
#include "drawing/text_layout.h"

namespace kvarn {

namespace {

// Sizes in points: body text, its line spacing, the headings.
constexpr double kBody = 10;
constexpr double kLine = 1.35 * kBody;
constexpr double kSection = 13;
constexpr double kTitle = 18;
constexpr double kFoot = 8;
// A heading keeps at least this much of what follows on its page.
constexpr double kKeepWithHeading = 3 * kLine;
// Table rows alternate with this grey, light enough for any printer.
constexpr double kRowShade = 0.92;

class Flow {
  public:
    Flow(cairo_t* cr, const ReportDocument& document, const PageGeometry& page,
         const ReportPagination& known, bool drawMaps)
        : cr_(cr), document_(document), page_(page), known_(known), drawMaps_(drawMaps),
          y_(page.marginTop) {}

    void part(const ReportPart& part) {
        if (used_) newPage();
        const int first = number_;
        for (const ReportBlock& block : part.blocks)
            std::visit([this](const auto& b) { draw(b); }, block);
        found_.parts.push_back({first, number_ - first + 1});
    }

    ReportPagination finish() {
        endPage();
        found_.total = number_;
        return found_;
    }

  private:
    double left() const { return page_.marginX; }
    double width() const { return page_.width - 2 * page_.marginX; }
    double bottom() const { return page_.height - page_.marginBottom; }

    // Starts a new page unless `height` still fits on this one; a page
    // with nothing on it takes anything, however high.
    void need(double height) {
        if (used_ && y_ + height > bottom()) newPage();
        used_ = true;
    }

    void newPage() {
        endPage();
        ++number_;
        y_ = page_.marginTop;
        used_ = false;
    }

    void endPage() {
        const double rule = page_.height - page_.marginBottom + 0.45 * page_.marginBottom;
        cairo_save(cr_);
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_set_line_width(cr_, 0.5);
        cairo_move_to(cr_, left(), rule);
        cairo_line_to(cr_, left() + width(), rule);
        cairo_stroke(cr_);
        cairo_restore(cr_);
        const std::string page = std::to_string(number_);
        const DrawingWords& words = document_.words;
        const std::string number =
            known_.total > 0
                ? fillPattern(words.pageOfPages,
                              {{"page", page}, {"pages", std::to_string(known_.total)}})
                : fillPattern(words.pageNumber, {{"page", page}});
        const TextStyle foot{kFoot};
        const double numberWidth = textWidth(cr_, number, foot);
        const double baseline = rule + 1.6 * kFoot;
        // A foot too long for its line keeps what fits, clear of the number.
        const std::vector<std::string> lines =
            wrapText(cr_, document_.footer, foot, width() - numberWidth - 2 * kFoot);
        if (!lines.empty()) drawText(cr_, lines.front(), left(), baseline, foot);
        drawText(cr_, number, left() + width(), baseline, {kFoot, false, Align::Right});
        cairo_show_page(cr_);
    }

    // Lines of text one below the other, each moved to a new page when it
    // does not fit.
    void lines(const std::vector<std::string>& text, double x, const TextStyle& style) {
        for (const std::string& line : text) {
            need(kLine);
            drawText(cr_, line, x, y_ + 0.8 * style.size, style);
            y_ += kLine;
        }
    }

    void draw(const ReportHeading& h) {
        const double size = h.large ? kTitle : kSection;
        const TextStyle style{size, true};
        const std::vector<std::string> text = wrapText(cr_, h.text, style, width());
        const double above = y_ > page_.marginTop ? 0.9 * size : 0;
        const double height = above + static_cast<double>(text.size()) * 1.25 * size;
        need(height + 0.4 * kBody + kKeepWithHeading);
        y_ += y_ > page_.marginTop ? above : 0;
        for (const std::string& line : text) {
            drawText(cr_, line, left(), y_ + 0.85 * size, style);
            y_ += 1.25 * size;
        }
        y_ += 0.4 * kBody;
    }

    void draw(const ReportParagraph& p) {
        const TextStyle style{kBody, p.bold};
        lines(wrapText(cr_, p.text, style, width()), left(), style);
        y_ += 0.5 * kLine;
    }

    void draw(const ReportBullet& b) {
        const TextStyle style{kBody};
        const double indent = 1.3 * kBody;
        const std::vector<std::string> text = wrapText(cr_, b.text, style, width() - indent);
        need(kLine);
        drawText(cr_, "\xE2\x80\xA2", left() + 0.2 * kBody, y_ + 0.8 * kBody, style); // bullet
        lines(text, left() + indent, style);
        y_ += 0.3 * kLine;
    }

    void draw(const ReportFacts& f) {
        const TextStyle label{kBody, true};
        const TextStyle value{kBody};
        double labelWidth = 0;
        for (const auto& [l, v] : f.items)
            labelWidth = std::max(labelWidth, textWidth(cr_, l, label));
        // Long labels wrap rather than squeeze the values.
        labelWidth = std::min(labelWidth, 0.35 * width());
        const double valueX = left() + labelWidth + 1.2 * kBody;
        const double valueWidth = left() + width() - valueX;
        for (const auto& [l, v] : f.items) {
            const std::vector<std::string> labels = wrapText(cr_, l, label, labelWidth);
            const std::vector<std::string> values = wrapText(cr_, v, value, valueWidth);
            for (std::size_t k = 0; k < std::max(labels.size(), values.size()); ++k) {
                need(kLine);
                const double baseline = y_ + 0.8 * kBody;
                if (k < labels.size()) drawText(cr_, labels[k], left(), baseline, label);
                if (k < values.size()) drawText(cr_, values[k], valueX, baseline, value);
                y_ += kLine;
            }
        }
        y_ += 0.5 * kLine;
    }

    void rule(const TableLayout& l, double y, double lineWidth) {
        cairo_save(cr_);
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_set_line_width(cr_, lineWidth);
        cairo_move_to(cr_, l.x, y);
        cairo_line_to(cr_, l.x + l.totalWidth, y);
        cairo_stroke(cr_);
        cairo_restore(cr_);
    }

    void tableHead(const ReportTable& t, const TableLayout& l) {
        rule(l, y_, 0.9);
        drawTableRow(cr_, l, t, t.headings, true, y_ + 0.3 * l.size + 0.8 * l.size);
        y_ += l.rowHeight + 0.3 * l.size;
        rule(l, y_, 0.5);
    }

    void draw(const ReportTable& t) {
        const TableLayout l = layoutTable(cr_, t, kBody, left(), width());
        const double head = l.rowHeight + 0.3 * l.size;
        need(head + l.rowHeight);
        tableHead(t, l);
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            // Rows left over for the next page get the headings again.
            if (y_ + l.rowHeight > bottom()) {
                rule(l, y_, 0.9);
                newPage();
                need(head + l.rowHeight);
                tableHead(t, l);
            }
            if (r % 2 == 1) {
                cairo_save(cr_);
                cairo_set_source_rgb(cr_, kRowShade, kRowShade, kRowShade);
                cairo_rectangle(cr_, l.x, y_, l.totalWidth, l.rowHeight);
                cairo_fill(cr_);
                cairo_restore(cr_);
            }
            drawTableRow(cr_, l, t, t.rows[r].cells, t.rows[r].bold,
                         y_ + 0.5 * (l.rowHeight - l.size) + 0.8 * l.size);
            y_ += l.rowHeight;
        }
        rule(l, y_, 0.9);
        y_ += 0.8 * kLine;
    }

    void draw(const ReportMap& m) {
        need(std::min(m.height, bottom() - page_.marginTop));
        const Rect area{left(), y_, width(), std::min(m.height, bottom() - y_)};
        const MapLayout layout = layoutFieldMap(m.map, area);
        if (drawMaps_) drawFieldMap(cr_, m.map, area);
        y_ = layout.bottom + 0.5 * kLine;
    }

    // A drawing laid out in an area as wide as the page and `height` high (a
    // page at most), whose foot `foot` finds. Unlike a map it moves to a new
    // page only when what it uses does not fit, as a flat side view uses far
    // less than its height; it keeps the area's full height for its layout,
    // so that its lettering does not shrink near the foot of a page.
    template <typename Foot, typename Draw> void drawing(double height, Foot foot, Draw draw) {
        const auto area = [&] {
            return Rect{left(), y_, width(), std::min(height, bottom() - page_.marginTop)};
        };
        need(foot(area()) - y_);
        const double end = foot(area());
        if (drawMaps_) draw(area());
        y_ = end + 0.5 * kLine;
    }

    void draw(const ReportSitePlan& p) {
        drawing(
            p.height, [&](const Rect& a) { return layoutSitePlan(p.plan, a).frame.bottom; },
            [&](const Rect& a) { drawSitePlan(cr_, p.plan, a); });
    }

    void draw(const ReportSideView& v) {
        drawing(
            v.height, [&](const Rect& a) { return layoutSideView(v.view, a).frame.bottom; },
            [&](const Rect& a) { drawSideView(cr_, v.view, a); });
    }

    // The titled parts with the pages the earlier pass found for them, set
    // as a table under its heading; zeros while they are not known.
    void draw(const ReportContents& c) {
        const DrawingWords& words = document_.words;
        ReportTable table{{words.contentsPart, words.contentsFirstPage, words.contentsPageCount},
                          {Align::Left, Align::Right, Align::Right},
                          {}};
        const auto& parts = document_.parts;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (parts[k].title.empty()) continue;
            const PartPages at = k < known_.parts.size() ? known_.parts[k] : PartPages{};
            table.rows.push_back(
                {{parts[k].title, std::to_string(at.first), std::to_string(at.count)}});
        }
        if (table.rows.empty()) return;
        if (!c.text.empty()) draw(ReportHeading{c.text});
        draw(table);
    }

    cairo_t* cr_;
    const ReportDocument& document_;
    const PageGeometry& page_;
    const ReportPagination& known_;
    bool drawMaps_;
    ReportPagination found_;
    double y_;
    int number_ = 1;
    bool used_ = false; // something is drawn on this page
};

} // namespace

ReportPagination drawReportPages(cairo_t* cr, const ReportDocument& document,
                                 const PageGeometry& page, const ReportPagination& known,
                                 bool drawMaps) {
    Flow flow(cr, document, page, known, drawMaps);
    for (const ReportPart& part : document.parts)
        flow.part(part);
    return flow.finish();
}

} // namespace kvarn
