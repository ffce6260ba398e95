#pragma once
// Where a field point lies as seen from one element.

namespace kvarn {

// Relative position of the field point to element i (all stored as doubles).
struct ElementGeometry {
    double r = 0;                        // distance, m, never below 0.001
    double ux = 0, uy = 0, uz = 0;       // from element centre towards the point, / r
    double theta = 0;                    // angle between element axis and u, rad
    double ethx = 0, ethy = 0, ethz = 0; // theta direction; zero on the axis line
    double ephx = 0, ephy = 0, ephz = 0; // phi direction u x e_theta
};

// Direction of the plane vector (x, y) in rad, built on the program's pi.
double angle(double x, double y);

struct PointInputs;
struct PointWork;

// Reads element work.i of the inputs and the point; writes work.geometry and
// may set work.tooclose. Returns false, and marks the angle-cosine stop with
// its element in the work, when the angle cosine is out of range; the
// geometry is then incomplete.
bool elementGeometry(const PointInputs& in, PointWork& work);

} // namespace kvarn
