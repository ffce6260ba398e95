#pragma once
// What the field model is and where it stops holding, in plain words: for
// the terminal, the summary and the printed report.

namespace kvarn {

inline constexpr const char* kModelStatement =
    "The wire is computed in free space, with no ground. It is cut into 1 m elements "
    "carrying a standing-wave current whose amplitude follows from the power at the feed "
    "(73.2 ohms per half wave), and the near and far fields of all elements are summed at "
    "every point. Values within 2.1 m of the wire are unreliable; such points are marked "
    "too close and count as over the limits. Compared with a method-of-moments engine "
    "(NEC-2) on the same wires, the values were within 1 to 2 % for centre-fed half-wave "
    "wires, about 20 % low for an end-fed full-wave wire and 16 % low directly under the "
    "feed at 3 m: results near a limit need a margin.";

} // namespace kvarn
