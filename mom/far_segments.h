#pragma once
// A solved wire's segments in the node form of mom/free_space_field.h, and
// their images over a ground, for the field away from them
// (NearField::fromBelow): each segment's forms of kFewestNodes to
// kMostNodes nodes, and a ladder of distances that tells, from a point's
// distance to the segment, the fewest nodes whose proven error is below
// kNodeShare of the segment's largest field there, and that error.

#include <array>
#include <cstddef>
#include <vector>

#include "mom/free_space_field.h"
#include "mom/solver.h"
#include "mom/wire.h"

namespace kvarn::mom {

// Segment lengths from a segment within which the node form is not taken.
inline constexpr double kFormBeyond = 4.5;
// The share of a segment's largest field its node form may miss.
inline constexpr double kNodeShare = 1e-5;

class FarSegments {
  public:
    // The segments and currents of NearField (m, A peak); over a ground
    // each image carries -imageFactor times its segment's current.
    FarSegments(const Segments& wire, const std::vector<SegmentCurrent>& currents,
                Complex imageFactor);

    // How segment j (or its image) is taken at a point `distance` m from
    // it: the node count (0 where the form is not taken: nearer than
    // kFormBeyond lengths, or where no count is enough) and a bound of what
    // the form misses against the engine's field of the segment, E and H
    // (for an image: of its image's own current).
    struct Choice {
        int nodes = 0;
        FieldBounds missed;
    };
    Choice whole(std::size_t j, double distance, bool image) const;
    // The same for H of the segment's sine and cosine terms alone, which
    // the engine takes in closed form where it lumps the rest.
    Choice sineCosineH(std::size_t j, double distance, bool image) const;

    // The nodes of a choice.
    const std::vector<NodeCurrent>& nodes(std::size_t j, bool image, int n) const;
    const std::vector<NodeCurrent>& sineCosineNodes(std::size_t j, bool image, int n) const;

    // A: the current at the start and at the end of segment j (times the
    // image's factor for its image), and whether its end is the next
    // segment's start, where their charges net to |end - next start|.
    Complex start(std::size_t j, bool image) const;
    Complex end(std::size_t j, bool image) const;
    bool joinsNext(std::size_t j) const { return segments_[j].joinsNext; }
    double netToNext(std::size_t j, bool image) const;

  private:
    // A ladder step: what n nodes miss from its distance on, for the whole
    // field and for H of the sine and cosine terms.
    struct Step {
        std::array<FieldBounds, kMostNodes + 1> whole, sineCosine;
    };
    struct Far {
        std::array<std::vector<NodeCurrent>, kMostNodes + 1> direct, image, directSc, imageSc;
        Complex start, end; // A
        bool joinsNext = false;
        double netToNext = 0;   // A
        double ladderStart = 0; // m
        std::vector<Step> steps;
        std::array<int, kMostNodes + 1> wholeFrom{}, sineCosineFrom{}; // first enough step
    };
    int stepOf(const Far& f, double distance) const;

    std::vector<Far> segments_;
    Complex toImage_;  // the images' current per segment current
    double imageSize_; // |toImage_|
};

} // namespace kvarn::mom
