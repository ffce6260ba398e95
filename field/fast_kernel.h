#pragma once
// The fast point kernel: the same element loop as the reference procedures
// (elementGeometry, elementField, accumulateField), giving the same doubles
// on the fast trigonometry, laid out for speed. The pass's elements are read
// from arrays made once per pass, with each element's current moment over
// 4 pi computed once; every mode of a set is summed in one pass over the
// elements, which takes them in blocks and each step of the loop over a
// whole block before the next step; a point found too close (its values are
// 0 whatever the sums) skips the field of the elements that follow and only
// checks their angle cosine. Pure: any number of threads may compute points
// of one model.

#include <cstdint>
#include <vector>

#include "field/modes.h"
#include "field/point_sink.h"
#include "field/point_work.h"

namespace kvarn {

// A computed point: its record, or the angle-cosine stop at an element.
struct ComputedPoint {
    PointResult result;
    std::uint16_t cthElement = 0; // the element of the stop; 0 when none
};

class FastModel {
  public:
    // The elements of the inputs, for the modes of the set.
    FastModel(const PointInputs& in, ModeSet modes);

    ComputedPoint point(double xp, double yp) const;

  private:
    template <bool Radial, bool Theta, bool Magnetic>
    ComputedPoint compute(double xp, double yp) const;

    // Per element, by index 0 .. count - 1.
    std::vector<double> ex_, ey_, ez_; // centre, m
    std::vector<double> dx_, dy_, dz_; // direction cosines
    std::vector<double> a_;            // current * length / 12.56636
    double lambda_, omega_, height_;
    ModeSet modes_;
};

// The reference: the straightforward procedures, one mode after another.
ComputedPoint referencePoint(const PointInputs& in, ModeSet modes, double xp, double yp);

} // namespace kvarn
