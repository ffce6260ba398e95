#include "field/antenna.h"

namespace kvarn {

CornerList xa, ya, za;
CornerList xe, ye, ze;
double segCount = 0;
double totalLength = 0;

ElementTable elements;
std::uint16_t elementCount = 0;

std::vector<CornerPoint> cornersOf(const CornerList& xs, const CornerList& ys, const CornerList& zs,
                                   const CornerList& xEnd, const CornerList& yEnd,
                                   const CornerList& zEnd, double segments) {
    std::vector<CornerPoint> corners{{xs[1], ys[1], zs[1]}};
    for (int j = 1; j <= segments; ++j)
        corners.push_back({xEnd[j], yEnd[j], zEnd[j]});
    return corners;
}

std::vector<CornerPoint> antennaCorners() {
    return cornersOf(xa, ya, za, xe, ye, ze, segCount);
}

void resetAntenna() {
    xa = ya = za = CornerList{};
    xe = ye = ze = CornerList{};
    segCount = 0;
    totalLength = 0;
    elements = {};
    elementCount = 0;
}

} // namespace kvarn
