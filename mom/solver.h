#pragma once
// The third stage: the solve. The matrix is factored once (dense LU with
// partial pivoting); every excitation after that is a pair of triangular
// solves. A source is NEC-2's applied-field voltage source: the voltage
// across the gap stands as a field of V / length on its segment.

#include <complex>
#include <vector>

#include <Eigen/LU>

#include "mom/basis.h"
#include "mom/matrix.h"
#include "mom/wire.h"

namespace kvarn::mom {

// The current on one segment: I(s) = a + b sin(k (s - s_c)) + c cos(k (s - s_c)),
// peak phasors in A.
struct SegmentCurrent {
    Complex a, b, c;
    Complex atCentre() const { return a + c; }
};

struct Currents {
    std::vector<SegmentCurrent> segments; // A, peak phasors
    std::size_t feedSegment = 0;
    Complex feedVoltage; // V, peak
    Complex feedCurrent; // A, peak, at the centre of the feed segment
    Complex impedance() const { return feedVoltage / feedCurrent; } // ohm
    double inputPower() const { return 0.5 * std::real(feedVoltage * std::conj(feedCurrent)); } // W
};

class Solver {
  public:
    // Factors the matrix of the wire.
    Solver(const Segments& wire, const Expansion& expansion, const ComplexMatrix& matrix);

    // The currents for `volts` across the gap of segment `feed`.
    Currents excite(std::size_t feed, Complex volts = 1.0) const;

  private:
    const Segments& wire_;
    const Expansion& expansion_;
    Eigen::PartialPivLU<ComplexMatrix> lu_;
};

// The currents multiplied so that the input power is `watts`.
Currents scaledToPower(const Currents& currents, double watts);

// The standing-wave ratio of an impedance on a 50 ohm line.
double swr50(Complex impedance);

} // namespace kvarn::mom
