#pragma once
// The work of one field point: what every point of a pass reads, and the
// record of one point's computation. Nothing here is process-wide, so any
// number of points can be computed side by side, each in its own record.

#include <cstdint>

#include "field/antenna.h"
#include "field/element_field.h"
#include "field/field_sums.h"
#include "field/geometry.h"

namespace kvarn {

// Fixed for a pass: read by every point, written by none.
struct PointInputs {
    const ElementTable* elements = nullptr; // the antenna's elements
    std::uint16_t elementCount = 0;         // valid entries of *elements
    double lambda = 0;                      // m, wavelength of the frequency
    double omega = 0;                       // rad/s, angular frequency
    double height = 0;                      // m, z of every field point
    char fieldMode = 'E';                   // 'R', 'T', 'E', 'M' or 'Z'
};

// One point's computation, from the first element to its value.
struct PointWork {
    double xp = 0, yp = 0;        // m, the point
    std::uint16_t i = 0;          // current element, 1 to elementCount + 1
    bool tooclose = false;        // an element centre lies within 2.1 m
    FieldSums sums;               // the element contributions summed so far
    ElementGeometry geometry;     // of element i
    ElementField field;           // of element i
    bool cthStop = false;         // the angle cosine left its range ...
    std::uint16_t cthElement = 0; // ... at this element; the sums are incomplete
};

// Starts the work of the point (xp, yp): element 1, sums 0, not too close.
void startPoint(PointWork& work, double xp, double yp);
// The element loop: geometry, field and sum of elements 1 to elementCount,
// ending early at the angle-cosine stop.
void sumElements(const PointInputs& in, PointWork& work);
// The mode's value of the sums; 0 when the point is too close.
double pointValue(char fieldMode, const PointWork& work);

} // namespace kvarn
