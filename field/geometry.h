#pragma once
// Where the current field point lies as seen from the current element.

namespace kvarn {

// Relative position of the field point to element i (all stored as doubles).
struct ElementGeometry {
    double r = 0;                        // distance, m, never below 0.001
    double ux = 0, uy = 0, uz = 0;       // from element centre towards the point, / r
    double theta = 0;                    // angle between element axis and u, rad
    double ethx = 0, ethy = 0, ethz = 0; // theta direction; zero on the axis line
    double ephx = 0, ephy = 0, ephz = 0; // phi direction u x e_theta
};

extern ElementGeometry geometry;

// Direction of the plane vector (x, y) in rad, built on the program's pi.
double angle(double x, double y);

// Reads element calc.i, calc.xp, calc.yp, calc.height; writes geometry and may
// set calc.tooclose. Ends the program when the angle cosine is out of range.
void elementGeometry();

} // namespace kvarn
