#pragma once
// The free-space near field of one straight segment carrying the three
// current terms of the expansion, by NEC-2's thin-wire formulas: the
// current flows on the segment's axis and the field is taken at the point,
// moved off the axis by the radius `ai` of the wire it lies on (0 for a
// point in space). All lengths are in wavelengths; the fields are per ampere
// of each term and become V/m and A/m when divided by the wavelength in m.

#include <span>
#include <vector>

#include "mom/complex_vec.h"

namespace kvarn::mom {

// A segment measured in wavelengths.
struct SegmentInWavelengths {
    Vec3 centre;
    Vec3 direction; // unit
    double length = 0;
};

// Beyond this distance from its centre a segment's field is that of a
// point current of the same moment: NEC-2's default of one wavelength.
inline constexpr double kLumpedBeyond = 1.0; // wavelengths

// E of the three terms at point p.
TermFields segmentE(const SegmentInWavelengths& s, Vec3 p, double ai);

// H of the three terms at point p.
TermFields segmentH(const SegmentInWavelengths& s, Vec3 p, double ai);

// Both at a point in space (radius 0), the same as segmentE and segmentH
// give, with the geometry and the waves from the segment's ends taken once.
void segmentEH(const SegmentInWavelengths& s, Vec3 p, TermFields& e, TermFields& h);

// Where the formulas lump the segment (p at least kLumpedBeyond from its
// centre): E of the three terms and H of the constant term, as segmentEH
// gives them to the bit; false nearer. H of the sine and cosine terms,
// which segmentEH takes in closed form there too, is left out.
bool lumpedEH(const SegmentInWavelengths& s, Vec3 p, TermFields& e, CVec3& constantH);

// The node form. A segment's field is that of its current I(t) along the
// axis and of the charges it leaves, -I'(t) / (j omega) along the axis and
// I / (j omega) at the end, -I / (j omega) at the start: the formulas above
// integrate them in closed form or finely. Away from the segment the
// integrals along it are smooth, and a Gauss-Legendre rule of a few nodes
// takes them, each node a point current with its own charge; nodeFormError
// bounds what that misses. The charges at the ends are left to the caller:
// where two segments meet, most of them cancel. Lengths in m, currents in
// A, fields in V/m and A/m, all peak, the engine's wave impedance and a
// wave number k in rad/m.

// A node of the form: a point current with its charge.
struct NodeCurrent {
    Vec3 at;        // m
    Complex moment; // A m: the current there times the node's weight
    Complex slope;  // A: dI/dt there times the weight
};

// Nodes per segment the form takes, at least and at most.
inline constexpr int kFewestNodes = 2;
inline constexpr int kMostNodes = 6;

// The n nodes of a segment centred at `centre` along the unit `direction`,
// `length` m long, carrying I(t) = a + b sin(k t) + c cos(k t), t in m from
// the centre along the direction.
std::vector<NodeCurrent> nodeForm(Vec3 centre, Vec3 direction, double length, double k, Complex a,
                                  Complex b, Complex c, int n);

// Adds the field at p of the nodes of a segment with that centre, along
// `direction`.
void addNodeField(std::span<const NodeCurrent> nodes, Vec3 centre, Vec3 direction, Vec3 p, double k,
                  CVec3& e, CVec3& h);

// Adds H alone at p of the nodes.
void addNodeH(std::span<const NodeCurrent> nodes, Vec3 centre, Vec3 direction, Vec3 p, double k,
              CVec3& h);

// Adds E at p of the charge current / (j omega) at `at`, the charge a
// current of `current` A leaves where it stops.
void addChargeField(Vec3 at, Complex current, Vec3 p, double k, CVec3& e);

// Bounds of |E| and |H| (V/m, A/m peak).
struct FieldBounds {
    double e = 0, h = 0;
};

// How far the n-node form of a segment of `length` m may be from the exact
// integrals at a point `distance` m from it (at least a length), the
// current's terms at most aAbs (the constant) and bcAbs (the sine and the
// cosine together) in size.
FieldBounds nodeFormError(double length, double distance, double k, double aAbs, double bcAbs,
                          int n);

// What the segment's field (its end charges included) can be at most at a
// point `distance` m from it, for currents of those sizes and ends of
// `endsAbs` A together.
FieldBounds segmentFieldBound(double length, double distance, double k, double aAbs, double bcAbs,
                              double endsAbs);

} // namespace kvarn::mom
