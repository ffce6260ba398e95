// Site plans and side views written as files: each format valid, the words
// on the drawings read back from the PDF, and nothing left behind when a
// path or a drawing is bad.

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "drawing/map_file.h"
#include "drawing/map_support.h"
#include "drawing/plan_file.h"
#include "drawing/plan_key.h"
#include "drawing/plan_layout.h"
#include "drawing/plan_support.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::TempDir;

using Writer = std::function<void(const fs::path&, MapFormat)>;

void writePlan(const fs::path& path, MapFormat format) {
    writeSitePlan(test::furnishedPlan(), path, format);
}
void writeSide(const fs::path& path, MapFormat format) {
    writeSideView(test::squareSideView(), path, format);
}

std::vector<std::string> entries(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(directory))
        names.push_back(e.path().filename().string());
    return names;
}

TEST(PlanFile, EachFormatOfEachDrawingIsValidAndAlone) {
    const struct {
        const char* name;
        MapFormat format;
        bool (*valid)(const fs::path&);
    } formats[] = {
        {"plan.png", MapFormat::Png,
         [](const fs::path& p) {
             // 1600 px wide, ending below the drawing on the default page.
             cairo_surface_t* s = cairo_image_surface_create_from_png(p.c_str());
             const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
                             cairo_image_surface_get_width(s) == 1600 &&
                             cairo_image_surface_get_height(s) <= 1100 &&
                             cairo_image_surface_get_height(s) > 400;
             cairo_surface_destroy(s);
             return ok;
         }},
        {"plan.svg", MapFormat::Svg,
         [](const fs::path& p) {
             const std::string text = testing::readFile(p);
             return text.find("<svg") != std::string::npos &&
                    text.find("</svg>") != std::string::npos;
         }},
        {"plan.pdf", MapFormat::Pdf,
         [](const fs::path& p) {
             const std::string text = testing::readFile(p);
             return text.rfind("%PDF-", 0) == 0 && text.find("%%EOF") != std::string::npos;
         }},
    };
    for (const Writer& write : {Writer(writePlan), Writer(writeSide)})
        for (const auto& f : formats) {
            SCOPED_TRACE(f.name);
            TempDir dir;
            write(dir.path() / f.name, f.format);
            EXPECT_TRUE(f.valid(dir.path() / f.name));
            EXPECT_EQ(entries(dir.path()), std::vector<std::string>{f.name});
        }
}

TEST(PlanFile, PdfCarriesTheWordsOfTheDrawing) {
    ASSERT_TRUE(testing::havePdfToText()) << "pdftotext is missing: make installs poppler-utils";
    TempDir dir;
    SitePlan crossing = test::furnishedPlan();
    crossing.marginValue = -0.84;
    SitePlan station = test::furnishedPlan();
    station.zones.push_back({"40 m band: 7.100 MHz", {{test::square(5, 5, 9, 9)}}, {}, false});
    const struct {
        const char* name;
        Writer write;
        std::vector<std::string> words;
    } cases[] = {
        {"plan",
         writePlan,
         {"Site plan: test band", "test model, test limits", "Balcony, z 4.5 m",
          "Bench, z 1 m: over a limit", "margin 4.0 m", "N", "x (m)", "y (m)",
          "own plot's boundary", "zone below 3 m", "place over a limit", "smallest margin"}},
        {"crossing",
         [&](const fs::path& p, MapFormat f) { writeSitePlan(crossing, p, f); },
         {"crosses by 0.84 m", "deepest crossing"}},
        {"station",
         [&](const fs::path& p, MapFormat f) { writeSitePlan(station, p, f); },
         {"80 m band: 3.650 MHz", "zone reaching farthest:", "zone of another band"}},
        {"side",
         writeSide,
         {"Side view along x: test band", "Balcony", "y (m)", "z (m)", "public height 3 m",
          "own plot's extent"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.write("drawing.pdf", MapFormat::Pdf);
        const std::vector<std::string> pages = testing::pdfPages("drawing.pdf");
        ASSERT_EQ(pages.size(), 1u);
        for (const std::string& word : c.words)
            EXPECT_THAT(pages[0], HasSubstr(word));
    }
}

// Occurrences of `word` in `text`.
std::size_t count(const std::string& text, const std::string& word) {
    std::size_t n = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}

TEST(PlanFile, AntennasAreNamedAndTheKeyListsTheWireOnce) {
    ASSERT_TRUE(testing::havePdfToText()) << "pdftotext is missing: make installs poppler-utils";
    TempDir dir;
    const std::vector<AntennaWire> antennas = {
        {"Dipole 80 m", {{2, 18, 11}, {18, 18, 11}}, WirePoint{10, 18, 11}},
        {"Vertical 10 m", {{60, 4, 0.5}, {60, 4, 7}}, {}}};
    SitePlan plan = test::furnishedPlan();
    plan.antennas = antennas;
    SitePlan antennasOnly = plan;
    antennasOnly.wire.clear();
    antennasOnly.feed.reset();
    SideView side = test::squareSideView();
    side.antennas = {{"Dipole 80 m", {{2, 11}, {18, 11}}, {}},
                     {"Vertical 10 m", {{60, 0.5}, {60, 7}}, {}}};
    EXPECT_GT(sideViewExtent(side).right, 60);
    FieldMap map = test::zoneMap(30, 3, 250, 20);
    map.antennas = {{"Dipole 80 m", {{2, -18, 11}, {18, -18, 11}}, {}},
                    {"Vertical 10 m", {{25, -4, 0.5}, {25, -4, 7}}, {}}};
    const struct {
        const char* name;
        std::function<void(const fs::path&)> write;
        const char* wireKey;
    } cases[] = {
        {"plan", [&](const fs::path& p) { writeSitePlan(plan, p, MapFormat::Pdf); },
         "wire, corner height"},
        {"antennas only",
         [&](const fs::path& p) { writeSitePlan(antennasOnly, p, MapFormat::Pdf); },
         "wire, corner height"},
        {"side view", [&](const fs::path& p) { writeSideView(side, p, MapFormat::Pdf); }, "wire\n"},
        {"map", [&](const fs::path& p) { writeFieldMap(map, p, MapFormat::Pdf); },
         "wire, corner height"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.write("drawing.pdf");
        const std::vector<std::string> pages = testing::pdfPages("drawing.pdf");
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_EQ(count(pages[0], "Dipole 80 m"), 1u);
        EXPECT_EQ(count(pages[0], "Vertical 10 m"), 1u);
        EXPECT_EQ(count(pages[0], c.wireKey), 1u);
    }
    // The antennas' feed alone keys the feed.
    const std::vector<KeyEntry> key = sitePlanKey(antennasOnly);
    EXPECT_TRUE(std::any_of(key.begin(), key.end(),
                            [](const KeyEntry& e) { return e.mark == PlanMark::feed; }));
}

TEST(PlanFile, BadPathOrDrawingLeavesNothingBehind) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        Writer write;
        const char* path;
        const char* reason; // empty: the drawing is refused before anything is written
    } cases[] = {
        {"missing directory", writePlan, "missing/plan.png", "the directory"},
        {"a directory in the way", writeSide, "taken", "Is a directory"},
        {"a wire corner not a number",
         [&](const fs::path& p, MapFormat f) {
             SitePlan plan = test::furnishedPlan();
             plan.wire[1].y = nan;
             writeSitePlan(plan, p, f);
         },
         "plan.pdf", ""},
        {"a plot extent the wrong way round",
         [&](const fs::path& p, MapFormat f) {
             SideView view = test::squareSideView();
             view.plotExtent = std::pair{20.0, 0.0};
             writeSideView(view, p, f);
         },
         "side.svg", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        fs::create_directory("taken");
        const std::string reason = c.reason;
        if (reason.empty()) {
            EXPECT_THROW(c.write(c.path, MapFormat::Pdf), std::invalid_argument);
        } else {
            try {
                c.write(c.path, MapFormat::Png);
                ADD_FAILURE() << c.path << " was written";
            } catch (const FileWriteError& e) {
                EXPECT_EQ(e.path(), c.path);
                EXPECT_THAT(e.reason(), HasSubstr(reason));
            }
        }
        EXPECT_EQ(entries("."), std::vector<std::string>{"taken"});
        EXPECT_TRUE(fs::is_empty("taken"));
    }
}

} // namespace
} // namespace kvarn
