// The words the drawings print of their own accord: patterns filled in,
// numbers with a decimal comma, umlauts in the drawings' font, and German
// words read back from the PDF of each kind of drawing.

#include <cairo.h>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drawing/drawing_words.h"
#include "drawing/map_file.h"
#include "drawing/map_support.h"
#include "drawing/map_text.h"
#include "drawing/plan_file.h"
#include "drawing/plan_support.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

using ::testing::HasSubstr;

TEST(DrawingWords, PatternsTakeTheirOwnNamesAndNumbersTheirDecimalMark) {
    EXPECT_EQ(fillPattern("Seite {page} von {pages}", {{"page", "2"}, {"pages", "5"}}),
              "Seite 2 von 5");
    // Other braces stay, a value is not searched for names, a name may come
    // twice or not at all.
    EXPECT_EQ(fillPattern("{x} {place} {place", {{"place", "{place}"}}), "{x} {place} {place");
    EXPECT_EQ(fillPattern("{a}{a}}", {{"a", "1"}, {"b", "2"}}), "11}");
    const struct {
        double value;
        int decimals; // -1: to hundredths without trailing zeros
        const char* point;
        const char* comma;
    } cases[] = {{3.5, 1, "3.5", "3,5"}, {-0.0, 2, "0.00", "0,00"}, {12.25, -1, "12.25", "12,25"},
                 {-0.001, -1, "0", "0"}, {7.0, -1, "7", "7"},       {1234.5, 0, "1234", "1234"}};
    DrawingWords german;
    german.decimalComma = true;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        for (const DrawingWords& words : {DrawingWords{}, german}) {
            const std::string text = c.decimals < 0 ? shortNumber(c.value, words)
                                                    : fixedNumber(c.value, c.decimals, words);
            EXPECT_EQ(text, words.decimalComma ? c.comma : c.point);
        }
    }
}

// Draws `text` alone on a small image and returns its pixels.
std::vector<unsigned char> drawn(const std::string& text, bool bold) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, 40, 40);
    cairo_t* cr = cairo_create(s);
    drawText(cr, text, 8, 30, {24, bold});
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<unsigned char> pixels(data, data + 40 * cairo_image_surface_get_stride(s));
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return pixels;
}

TEST(DrawingWords, UmlautsHaveGlyphsOfTheirOwnInTheDrawingsFont) {
    // A font without them would draw one and the same box for each.
    const std::vector<std::string> letters = {"a", "o", "u", "ä", "ö", "ü", "ß",
                                              "A", "O", "U", "Ä", "Ö", "Ü", "\xEF\xBF\xBF"};
    for (const bool bold : {false, true})
        for (std::size_t i = 0; i < letters.size(); ++i)
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_NE(drawn(letters[i], bold), drawn(letters[j], bold))
                    << letters[i] << " and " << letters[j] << (bold ? " in bold" : "");
}

TEST(DrawingWords, GermanWordsAndDecimalCommasReachEveryDrawing) {
    ASSERT_TRUE(testing::havePdfToText()) << "pdftotext is missing: make installs poppler-utils";
    testing::TempDir dir;
    DrawingWords de;
    de.highestValue = "Höchstwert";
    de.maximum = "höchstens {percent} %";
    de.scaleBar = "{length} m (Maßstab)";
    de.north = "Nordpfeil";
    de.largestZone = "Äußerste Zone:\n{zone}";
    de.margin = "Abstand {margin} m";
    de.placeAtHeight = "{place}, Höhe {height} m";
    de.placeOverLimit = "{place}: ÜBER DEM GRENZWERT";
    de.publicHeightOutsidePlot = "Öffentliche Höhe {height} m,\naußerhalb des Grundstücks";
    de.decimalComma = true;

    FieldMap map = test::gridMap(std::vector(9, std::vector<double>(9, 20)), 0.25);
    map.corners = {{0.25, -1, 10}, {1.5, -1, 12.25}};
    map.maxX = 1;
    map.maxY = -1;
    map.maxPercent = 7.34;
    map.words = de;
    writeFieldMap(map, "map.pdf", MapFormat::Pdf);
    SitePlan plan = test::furnishedPlan();
    plan.zones.push_back({"40 m", {{test::square(5, 5, 9, 9)}}, {}, false});
    plan.marginValue = 3.5;
    plan.places[1].z = 1.25;
    plan.words = de;
    writeSitePlan(plan, "plan.pdf", MapFormat::Pdf);
    SideView side = test::squareSideView();
    side.publicHeight = 3.5;
    side.words = de;
    writeSideView(side, "side.pdf", MapFormat::Pdf);

    const struct {
        const char* file;
        std::vector<std::string> words;
    } cases[] = {
        {"map.pdf", {"Höchstwert", "höchstens 7,3 %", "z 12,25 m", "0,5 m (Maßstab)", "0,5\n"}},
        {"plan.pdf",
         {"Nordpfeil", "Äußerste Zone:", "Abstand 3,5 m", "Bench, Höhe 1,25 m: ÜBER DEM GRENZWERT",
          "Balcony, Höhe 4,5 m"}},
        {"side.pdf", {"Öffentliche Höhe 3,5 m,", "außerhalb des Grundstücks"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::vector<std::string> pages = testing::pdfPages(c.file);
        ASSERT_EQ(pages.size(), 1u);
        for (const std::string& word : c.words)
            EXPECT_THAT(pages[0], HasSubstr(word));
    }
}

} // namespace
} // namespace kvarn
