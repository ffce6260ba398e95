#include "drawing/map_file.h"
#include "drawing/map_layout.h"

#include <cairo.h>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "drawing/map_support.h"
#include "support/temp_dir.h"

namespace kvarn {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

FieldMap smallMap() {
    FieldMap map = test::zoneMap(9, 3, 250, 20);
    map.corners = {{1, -4, 10}, {7, -4, 12}};
    map.maxX = 4;
    map.maxY = -4;
    map.maxPercent = 250;
    return map;
}

std::vector<std::string> entries(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(directory))
        names.push_back(e.path().filename().string());
    return names;
}

TEST(MapFile, EachFormatWritesAValidFileAndNothingElse) {
    struct Case {
        MapFormat format;
        const char* name;
        bool (*valid)(const fs::path&);
    };
    const Case cases[] = {
        {MapFormat::Png, "map.png",
         [](const fs::path& p) {
             cairo_surface_t* s = cairo_image_surface_create_from_png(p.c_str());
             const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
                             cairo_image_surface_get_width(s) == 1600 &&
                             cairo_image_surface_get_height(s) == 1100;
             cairo_surface_destroy(s);
             return ok;
         }},
        {MapFormat::Svg, "map.svg",
         [](const fs::path& p) {
             const std::string text = testing::readFile(p);
             return text.find("<svg") != std::string::npos &&
                    text.find("</svg>") != std::string::npos;
         }},
        {MapFormat::Pdf, "map.pdf",
         [](const fs::path& p) {
             const std::string text = testing::readFile(p);
             return text.rfind("%PDF-", 0) == 0 && text.find("%%EOF") != std::string::npos;
         }},
    };
    for (const Case& c : cases) {
        TempDir dir;
        writeFieldMap(smallMap(), dir.path() / c.name, c.format);
        EXPECT_TRUE(c.valid(dir.path() / c.name)) << c.name;
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{c.name});
    }
}

TEST(MapFile, PngOfAWideGridEndsBelowTheDrawingNotTheDefaultPage) {
    TempDir dir;
    const FieldMap wide = test::gridMap(std::vector(5, std::vector<double>(60, 50.0)));
    writeFieldMap(wide, dir.path() / "wide.png", MapFormat::Png);
    cairo_surface_t* s = cairo_image_surface_create_from_png((dir.path() / "wide.png").c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    const int height = cairo_image_surface_get_height(s);
    cairo_surface_destroy(s);
    const MapLayout layout = layoutFieldMap(wide, {0, 0, 1600, 1100});
    EXPECT_LT(height, 1100);
    // Nothing of the drawing is cut: the scale bar below the plot stays.
    EXPECT_GT(height, layout.plot.y + layout.plot.height + 4.5 * layout.em);
}

TEST(MapFile, GridWiderThanAnImageCanBeIsDrawnInEveryFormat) {
    // cairo makes no image of more than 32767 pixels across.
    const FieldMap wide = test::gridMap(std::vector(3, std::vector<double>(40000, 50.0)));
    for (const MapFormat format : {MapFormat::Png, MapFormat::Svg, MapFormat::Pdf}) {
        TempDir dir;
        EXPECT_NO_THROW(writeFieldMap(wide, dir.path() / "wide", format));
        EXPECT_LT(fs::file_size(dir.path() / "wide"), 5u << 20);
    }
}

TEST(MapFile, BadPathGivesAClearErrorAndLeavesNothingBehind) {
    struct Case {
        const char* path;
        const char* reason;
    };
    const Case cases[] = {
        {"missing/map.png", "the directory"},
        {"taken", "Is a directory"}, // the rename over it fails
    };
    for (const Case& c : cases) {
        TempDir dir;
        fs::create_directory(dir.path() / "taken");
        const fs::path path = dir.path() / c.path;
        try {
            writeFieldMap(smallMap(), path, MapFormat::Png);
            ADD_FAILURE() << c.path << " was written";
        } catch (const FileWriteError& e) {
            EXPECT_EQ(e.path(), path);
            EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
            EXPECT_NE(e.reason().find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(entries(dir.path()), std::vector<std::string>{"taken"}) << c.path;
        EXPECT_TRUE(fs::is_empty(dir.path() / "taken")) << c.path;
    }
}

TEST(MapFile, GridThatCannotBeDrawnCreatesNoFile) {
    TempDir dir;
    FieldMap map = smallMap();
    map.percent.pop_back();
    EXPECT_THROW(writeFieldMap(map, dir.path() / "map.pdf", MapFormat::Pdf), std::invalid_argument);
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

} // namespace
} // namespace kvarn
