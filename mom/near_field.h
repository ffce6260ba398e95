#pragma once
// The fourth stage: E and H anywhere from the solved currents, with the
// ground's image (and over a real ground the Sommerfeld correction, H being
// the curl of E there too), at single points or many at once on every core.

#include <array>
#include <span>
#include <vector>

#include "mom/complex_vec.h"
#include "mom/far_segments.h"
#include "mom/segment_field.h"
#include "mom/solver.h"
#include "mom/wire.h"

namespace kvarn::mom {

struct FieldPoint {
    CVec3 e;           // V/m, peak phasor
    CVec3 h;           // A/m, peak phasor
    double eRms = 0;   // V/m, |E| as an RMS value
    double hRms = 0;   // A/m, |H| as an RMS value
    bool holds = true; // false: too close to the wire, the feed or a free end for the formulas
};

// Where the field stops being trustworthy. Against the same wire cut into
// five times finer segments, |E| one feed segment length from the feed
// differs by 2.4 % and two lengths away by 0.3 %; one end segment length
// beyond a free end by 1.2 %, two by 0.5 %. Along the wire, bends included,
// the field agrees within 0.2 % down to 1.5 wire radii from the axis: the
// filament current stands for the current on the surface outside the wire,
// and three radii keep points clear of the wire itself.
inline constexpr double kHoldsFeedSegments = 2; // feed segment lengths from the feed's centre
inline constexpr double kHoldsEndSegments = 2;  // end segment lengths from a free end
inline constexpr double kHoldsWireRadii = 3;    // wire radii from the wire's axis

class NearField {
  public:
    // Takes copies: the field outlives the solve.
    NearField(const Segments& wire, const Currents& currents, const GroundModel& ground = {});

    FieldPoint at(Vec3 p) const;
    // out[i] = at(points[i]), the points spread over `threads` threads (0: momThreads()).
    void evaluate(std::span<const Vec3> points, std::span<FieldPoint> out,
                  unsigned threads = 0) const;

    // The field for a search that only asks where it exceeds a level:
    // eRms and hRms never above what at() gives and short of it by no more
    // than a proven bound, some 1e-5 of the segments' largest fields there;
    // e and h those of at() within that bound, holds the same. It is the
    // engine's own field of every segment within kFormBeyond segment lengths
    // of the point (the image's too), and the node form of
    // mom/far_segments.h farther out, with the engine's own lumped field
    // where the engine lumps it; the node forms' end charges net where two
    // forms meet, and what the net leaves is bounded. Over a real ground the
    // ground's own part is always the engine's. The example's zones take
    // about two fifths less time with it over a perfect ground, a fifth less
    // over a real one.
    FieldPoint fromBelow(Vec3 p) const;
    void evaluateFromBelow(std::span<const Vec3> points, std::span<FieldPoint> out,
                           unsigned threads = 0) const;

    // Whether p is far enough from the wire, the feed and every free end
    // for the formulas to hold (and above the ground, where there is a
    // field at all: inside a real ground at() gives none).
    bool holds(Vec3 p) const;

    // Of each segment an upper bound of the integral of |I(s)| ds along it,
    // A m (peak): with I(s) = A + B sin(k (s - s_c)) + C cos(k (s - s_c)),
    // |I| <= |A| + |B| sin(k l / 2) + |C| on a segment of length l. A far
    // point's field is bounded by these moments (the zone search's outer
    // bound).
    std::vector<double> currentMomentBounds() const;
    // m: every point at least this far from the wire holds (the largest of
    // the distances holds() keeps from the feed, the free ends and the wire).
    double holdsBeyond() const;
    double wavelength() const { return wavelength_; } // m

  private:
    // m: from p to the nearest point of the wire.
    double nearestSegment(Vec3 p) const;
    bool holds(Vec3 p, double nearest) const;

    std::vector<SegmentInWavelengths> segs_;
    std::vector<Segment> segments_; // m
    std::vector<SegmentCurrent> currents_;
    std::vector<std::array<double, 3>> currentSizes_; // A: |a|, |b|, |c| of each segment
    GroundModel ground_;
    double wavelength_ = 0;                    // m
    double radius_ = 0;                        // m
    Vec3 feed_;                                // m, the feed segment's centre
    double feedLength_ = 0;                    // m, of the feed segment
    std::vector<Vec3> freeEnds_;               // m
    std::vector<double> endLengths_;           // m, of the segment at each free end
    Complex imageFactor_{1, 0};                // of the images' fields over a ground
    std::vector<SegmentInWavelengths> images_; // of segs_ in the ground plane
    FarSegments far_;
};

} // namespace kvarn::mom
