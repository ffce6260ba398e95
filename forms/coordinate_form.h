#pragma once
// The antenna coordinate form: up to ten corners of the wire.

#include "field/antenna.h"

namespace kvarn {

// Shows the form and returns after the user confirmed a valid antenna: the
// start lists (corner j) and end lists (corner j + 1) of every segment, the
// segment count (at least 1) and the total length (1 to 800 m, counted
// segment by segment exactly as the discretisation counts its elements).
// Leaves the window (1, 1, 80, 21), background 1 and the cursor at (1, 21).
void coordinateForm(CornerList& startX, CornerList& startY, CornerList& startZ, CornerList& endX,
                    CornerList& endY, CornerList& endZ, double& segments, double& length);

} // namespace kvarn
