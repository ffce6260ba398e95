#include "field/antenna.h"

namespace kvarn {

CornerList xa, ya, za;
CornerList xe, ye, ze;
double segCount = 0;
double totalLength = 0;

OneBased<AntennaElement, kMaxElements> elements;
std::uint16_t elementCount = 0;

void resetAntenna() {
    xa = ya = za = CornerList{};
    xe = ye = ze = CornerList{};
    segCount = 0;
    totalLength = 0;
    elements = {};
    elementCount = 0;
}

} // namespace kvarn
