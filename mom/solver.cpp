#include "mom/solver.h"

#include <cmath>

#include "mom/constants.h"

namespace kvarn::mom {

Solver::Solver(const Segments& wire, const Expansion& expansion, const ComplexMatrix& matrix)
    : wire_(wire), expansion_(expansion), lu_(matrix) {}

Currents Solver::excite(std::size_t feed, Complex volts) const {
    const auto n = static_cast<Eigen::Index>(wire_.segments.size());
    Eigen::VectorXcd applied = Eigen::VectorXcd::Zero(n);
    // The scattered field cancels the applied one, V / length along the
    // segment, at the segment's centre.
    applied(static_cast<Eigen::Index>(feed)) = -volts / wire_.segments[feed].length;
    const Eigen::VectorXcd amplitude = lu_.solve(applied);

    Currents out;
    out.segments.resize(wire_.segments.size());
    for (std::size_t b = 0; b < wire_.segments.size(); ++b)
        for (const BasisTerms& t : expansion_.ofBasis[b]) {
            SegmentCurrent& s = out.segments[t.segment];
            const Complex x = amplitude(static_cast<Eigen::Index>(b));
            s.a += t.a * x;
            s.b += t.b * x;
            s.c += t.c * x;
        }
    out.feedSegment = feed;
    out.feedVoltage = volts;
    out.feedCurrent = out.segments[feed].atCentre();
    return out;
}

Currents scaledToPower(const Currents& currents, double watts) {
    const double factor = std::sqrt(watts / currents.inputPower());
    Currents out = currents;
    for (SegmentCurrent& s : out.segments) {
        s.a *= factor;
        s.b *= factor;
        s.c *= factor;
    }
    out.feedVoltage *= factor;
    out.feedCurrent *= factor;
    return out;
}

double swr50(Complex impedance) {
    const double gamma =
        std::abs((impedance - kReferenceImpedance) / (impedance + kReferenceImpedance));
    return (1 + gamma) / (1 - gamma);
}

} // namespace kvarn::mom
