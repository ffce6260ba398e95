#pragma once
// The antenna coordinate form: up to ten corners of the wire.

#include "field/antenna.h"

namespace kvarn {

// Shows the form and returns after the user confirmed a valid antenna:
// 1 <= totalLength <= 800 and segCount >= 1. Leaves the window (1, 1, 80, 21),
// background 1 and the cursor at (1, 21). The lists must be the antenna's own
// (field/antenna.h): the total length is counted from them segment by segment
// exactly as the discretisation counts its elements.
void coordinateForm(CornerList& xa, CornerList& ya, CornerList& za, CornerList& xe, CornerList& ye,
                    CornerList& ze, double& segCount, double& totalLength);

} // namespace kvarn
