// The words a band's map is headed with.

#include <gtest/gtest.h>

#include "outputs/map_titles.h"

namespace kvarn {
namespace {

TEST(MapTitles, NamesTheAmateurBandOfAFrequencyUpToItsEdges) {
    const struct {
        double frequency;
        const char* band;
    } cases[] = {
        {0.1365, "2200 m"}, {0.475, "630 m"}, {1.8, "160 m"}, {3.65, "80 m"},  {4.0, "80 m"},
        {4.01, ""},         {5.36, "60 m"},   {7.1, "40 m"},  {10.12, "30 m"}, {12.0, ""},
        {14.35, "20 m"},    {18.1, "17 m"},   {21.2, "15 m"}, {24.95, "12 m"}, {29.7, "10 m"},
        {50.2, "6 m"},      {70.2, "4 m"},    {145, "2 m"},   {146.5, "2 m"},  {100, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amateurBand(c.frequency), c.band) << c.frequency;
}

TEST(MapTitles, TitleAndLimitLineSayBandFeedPowerAndLimits) {
    EXPECT_EQ(mapTitle(3.65, 750), "80 m band: 3.650 MHz, 750 W at the feed");
    EXPECT_EQ(mapTitle(12, 89.125), "12.000 MHz, 89.1 W at the feed");
    EXPECT_EQ(mapLimitLine(LimitSet::fcc, {116.06, 0.30845}),
              "Limits: FCC, uncontrolled exposure: E 116.1 V/m, H 0.308 A/m");
}

} // namespace
} // namespace kvarn
