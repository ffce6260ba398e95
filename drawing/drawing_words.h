#pragma once
// Every word and pattern that the field maps, site plans, side views and
// report pages print of their own accord, and how they write numbers, so
// that whoever fills a drawing in can have it in another language. What the
// caller words itself (titles, place names, a band's label) stays with the
// caller. The defaults are the English texts.
//
// A pattern names the values it takes in braces, "max {percent} %", each
// replaced by the number or name it stands for; a pattern may leave one out
// or use it twice. A '\n' in a key text breaks it into lines.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace kvarn {

struct DrawingWords {
    // The field map's colour bar and legend.
    std::string percentTick = "{percent} %";         // a decade on the colour bar: 1, 10, 1000
    std::string limitMark = "100 % = limit";         // beside the limit's line across the bar
    std::string colourScale = "% of limit";          // above the colour bar
    std::string limitContour = "100 % of the limit"; // the contour's legend entry
    std::string tooClose = "too close to the wire";
    std::string highestValue = "highest value";
    std::string maximum = "max {percent} %"; // beside the highest value on the map

    // The wire: the legend's and the site plan key's entry, the side view
    // key's entry, the word under the feed's mark (and its key entry), a
    // corner's height beside it ({height} in metres).
    std::string wireWithHeights = "wire, corner height";
    std::string wire = "wire";
    std::string feed = "feed";
    std::string cornerHeight = "z {height} m";

    // The frame: axis names, the scale bar ({length} in metres), the north
    // arrow's letter.
    std::string axisX = "x (m)";
    std::string axisY = "y (m)";
    std::string axisZ = "z (m)";
    std::string scaleBar = "{length} m";
    std::string north = "N";

    // The site plan's key ({height}: the public height in metres; {zone}:
    // the label of the zone that reaches farthest).
    std::string boundary = "own plot's boundary";
    std::string zone = "zone: over a limit\nor not assessable";
    std::string zoneBelowPublic = "zone below {height} m\n(the public height)";
    std::string largestZone = "zone reaching farthest:\n{zone}";
    std::string otherZone = "zone of another band";
    std::string place = "place";
    std::string placeOver = "place over a limit";
    std::string smallestMargin = "smallest margin\nto the boundary";
    std::string deepestCrossing = "deepest crossing\nof the boundary";

    // The side view: the public height's line and key entry, the key entry
    // when the own plot is in the view, the own plot's extent.
    std::string publicHeight = "public height {height} m";
    std::string publicHeightOutsidePlot = "public height {height} m,\noutside the own plot";
    std::string plotExtent = "own plot's extent";

    // Labels on the plan: the margin ({margin} in metres), a place ({place}:
    // its name) with its height, and a place over a limit ({place}: its
    // name, with the height where the drawing gives it).
    std::string margin = "margin {margin} m";
    std::string crossesBy = "crosses by {margin} m";
    std::string touchesBoundary = "touches the boundary";
    std::string crossesBoundary = "crosses the boundary";
    std::string placeAtHeight = "{place}, z {height} m";
    std::string placeOverLimit = "{place}: over a limit";

    // The report's pages: the foot's number before the pages are counted
    // and after, and the headings of the list of parts.
    std::string pageNumber = "page {page}";
    std::string pageOfPages = "page {page} of {pages}";
    std::string contentsPart = "part";
    std::string contentsFirstPage = "page";
    std::string contentsPageCount = "pages";

    // Every number with a decimal part written with a comma, "3,5 m",
    // rather than a point.
    bool decimalComma = false;
};

// `pattern` with each "{name}" of `values` replaced by its value; braces
// around any other name stay as they are, and the values are not searched
// for names in turn.
std::string
fillPattern(std::string_view pattern,
            std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// `number`, as printf writes it, with the decimal mark the words ask for.
std::string decimalMark(std::string number, const DrawingWords& words);

// "%.*f" with the words' decimal mark; a negative zero is written as zero.
std::string fixedNumber(double value, int decimals, const DrawingWords& words);

// Rounded to hundredths without trailing zeros, "10", "7.5", "2.25", with
// the words' decimal mark; never "-0".
std::string shortNumber(double value, const DrawingWords& words);

} // namespace kvarn
