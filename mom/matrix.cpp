#include "mom/matrix.h"

#include <vector>

#include "mom/threads.h"

namespace kvarn::mom {

ComplexMatrix fillInteractionMatrix(const Segments& wire, const Expansion& expansion,
                                    const GroundModel& ground, unsigned threads) {
    const std::size_t n = wire.segments.size();
    std::vector<SegmentInWavelengths> segs;
    segs.reserve(n);
    for (const Segment& s : wire.segments)
        segs.push_back(inWavelengths(s, wire.wavelength));
    const double radius = wire.radius / wire.wavelength;

    ComplexMatrix z(n, n);
    parallelFor(n, threads, [&](std::size_t i) {
        // The row is summed in source order whatever thread takes it.
        std::vector<Complex> row(n);
        const Vec3 at = segs[i].centre, along = segs[i].direction;
        for (std::size_t j = 0; j < n; ++j) {
            const TermFields f = fieldE(segs[j], at, radius, ground);
            const Complex ek = dot(f.constant, along), es = dot(f.sine, along),
                          ec = dot(f.cosine, along);
            for (const BasisTerms& t : expansion.onSegment[j])
                row[t.basis] += ek * t.a + es * t.b + ec * t.c;
        }
        // The formulas give wavelengths times V/m.
        for (std::size_t b = 0; b < n; ++b)
            z(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(b)) =
                row[b] / wire.wavelength;
    });
    return z;
}

} // namespace kvarn::mom
