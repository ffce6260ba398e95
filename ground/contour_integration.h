#pragma once
// Integration of the six Sommerfeld integrands along straight paths in the
// complex lambda plane: Romberg integration with variable interval width
// between two points, and paths to infinity summed piece by piece with the
// partial sums accelerated by Shanks' transform, as NEC-2's SOMNEC does
// (its ROM1 and GSHANK). Both stop at a relative change of 1e-4.

#include <array>
#include <complex>

namespace kvarn::ground {

using Six = std::array<std::complex<double>, 6>;

// The integrands at a point lambda of the complex plane.
class ContourIntegrand {
  public:
    virtual Six operator()(std::complex<double> lambda) const = 0;

  protected:
    ~ContourIntegrand() = default;
};

// Set when an integration stopped before reaching its accuracy: the
// Romberg step could not be halved further, or the Shanks sums did not
// settle within their 20 pieces. The result is then the best estimate.
struct IntegrationLimits {
    bool stepLimited = false;
    bool unconverged = false;
};

// The integrals from a to b along the straight path, starting from
// `divisions` equal steps; the step halves where the integrands need it
// and doubles again after four good steps.
Six rombergPath(const ContourIntegrand& f, std::complex<double> a, std::complex<double> b,
                int divisions, IntegrationLimits& limits);

// Where a path to infinity changes direction: on reaching the real part of
// `point`, the path goes to `point` and on from it in steps of `stepAfter`.
struct PathBreak {
    std::complex<double> point;
    std::complex<double> stepAfter;
};

// seed plus the integrals from start to infinity along steps of `step`
// (and past a break, if given, along its steps).
Six shanksToInfinity(const ContourIntegrand& f, std::complex<double> start,
                     std::complex<double> step, const Six& seed, IntegrationLimits& limits,
                     const PathBreak* pathBreak = nullptr);

} // namespace kvarn::ground
