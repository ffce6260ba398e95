#pragma once
// Where a field point lies as seen from one element.

#include <cmath>

#include "field/constants.h"

namespace kvarn {

// Relative position of the field point to element i (all stored as doubles).
struct ElementGeometry {
    double r = 0;                        // distance, m, never below 0.001
    double ux = 0, uy = 0, uz = 0;       // from element centre towards the point, / r
    double theta = 0;                    // angle between element axis and u, rad
    double ethx = 0, ethy = 0, ethz = 0; // theta direction; zero on the axis line
    double ephx = 0, ephy = 0, ephz = 0; // phi direction u x e_theta
};

// Direction of the plane vector (x, y) in rad, built on the program's pi:
// with a = ArcTan(|y / x|), or pi/2 when |x| < 1e-6, it is a or -a for
// x >= 0 and pi - a or a - pi for x < 0, by the sign of y, each formed in
// extended precision and rounded to double once.
template <long double (*ArcTan)(long double)> double angleWith(double x, double y) {
    long double a; // stays in extended precision up to the returned value
    if (fabsl(x) < 1e-6L)
        a = kHalfPi;
    else
        a = ArcTan(fabsl(static_cast<long double>(y) / x));
    if (x >= 0) return static_cast<double>(y >= 0 ? a : -a);
    return static_cast<double>(y >= 0 ? kPi - a : a - kPi);
}

// The angle on the C library's arctangent.
double angle(double x, double y);

struct PointInputs;
struct PointWork;

// Reads element work.i of the inputs and the point; writes work.geometry and
// may set work.tooclose. Returns false, and marks the angle-cosine stop with
// its element in the work, when the angle cosine is out of range; the
// geometry is then incomplete.
bool elementGeometry(const PointInputs& in, PointWork& work);

} // namespace kvarn
