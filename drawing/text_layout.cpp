#include "drawing/text_layout.h"

#include <algorithm>

namespace kvarn {

namespace {

// The byte length of the UTF-8 character starting with `lead`.
std::size_t characterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::string word;
    for (char c : text) {
        if (c == ' ') {
            if (!word.empty()) out.push_back(word);
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) out.push_back(word);
    return out;
}

// Cuts a word wider than `width` into pieces that fit, at least one
// character each.
std::vector<std::string> cutWord(cairo_t* cr, const std::string& word, const TextStyle& style,
                                 double width) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < word.size();) {
        const std::size_t n =
            std::min(characterLength(static_cast<unsigned char>(word[i])), word.size() - i);
        const std::string character = word.substr(i, n);
        if (!pieces.back().empty() && textWidth(cr, pieces.back() + character, style) > width)
            pieces.emplace_back();
        pieces.back() += character;
        i += n;
    }
    return pieces;
}

} // namespace

std::vector<std::string> wrapText(cairo_t* cr, const std::string& text, const TextStyle& style,
                                  double width) {
    std::vector<std::string> lines;
    std::string line;
    for (const std::string& word : words(text)) {
        const std::string joined = line.empty() ? word : line + " " + word;
        if (textWidth(cr, joined, style) <= width) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line.clear();
        if (textWidth(cr, word, style) <= width) {
            line = word;
            continue;
        }
        std::vector<std::string> pieces = cutWord(cr, word, style, width);
        line = pieces.back();
        pieces.pop_back();
        lines.insert(lines.end(), pieces.begin(), pieces.end());
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

namespace {

// The space between two columns and at either end of the table, in em.
constexpr double kColumnGap = 1.2;
constexpr double kTablePadding = 0.4;
constexpr double kRowHeight = 1.45;

TableLayout measure(cairo_t* cr, const ReportTable& table, double size, double x) {
    TableLayout l;
    l.size = size;
    l.rowHeight = kRowHeight * size;
    l.x = x;
    const std::size_t columns = table.headings.size();
    l.width.assign(columns, 0);
    const TextStyle bold{size, true};
    for (std::size_t k = 0; k < columns; ++k)
        l.width[k] = textWidth(cr, table.headings[k], bold);
    for (const ReportTableRow& row : table.rows)
        for (std::size_t k = 0; k < std::min(columns, row.cells.size()); ++k)
            l.width[k] = std::max(l.width[k], textWidth(cr, row.cells[k], {size, row.bold}));
    double left = x + kTablePadding * size;
    for (std::size_t k = 0; k < columns; ++k) {
        l.left.push_back(left);
        left += l.width[k] + kColumnGap * size;
    }
    l.totalWidth = left - x - kColumnGap * size + kTablePadding * size;
    return l;
}

} // namespace

TableLayout layoutTable(cairo_t* cr, const ReportTable& table, double size, double x,
                        double width) {
    TableLayout l = measure(cr, table, size, x);
    // The widths grow with the size, nearly in proportion: a few steps
    // settle on a size that fits.
    for (int attempt = 0; attempt < 4 && l.totalWidth > width; ++attempt)
        l = measure(cr, table, l.size * width / l.totalWidth * 0.995, x);
    return l;
}

void drawTableRow(cairo_t* cr, const TableLayout& layout, const ReportTable& table,
                  const std::vector<std::string>& cells, bool bold, double baseline) {
    for (std::size_t k = 0; k < std::min(cells.size(), layout.left.size()); ++k) {
        const Align align = k < table.align.size() ? table.align[k] : Align::Left;
        double x = layout.left[k];
        if (align == Align::Right) x += layout.width[k];
        if (align == Align::Centre) x += layout.width[k] / 2;
        drawText(cr, cells[k], x, baseline, {layout.size, bold, align});
    }
}

} // namespace kvarn
