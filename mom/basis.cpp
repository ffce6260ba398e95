#include "mom/basis.h"

#include <cmath>

#include "mom/constants.h"

namespace kvarn::mom {

namespace {

// What the conditions need to know of one segment.
struct Shape {
    double s = 0;   // sin(k h), h the half length
    double c = 0;   // cos(k h)
    double sd = 0;  // sin(2 k h)
    double cd = 0;  // cos(2 k h)
    double omc = 0; // 1 - cos(2 k h), without the cancellation of the difference
    double q = 0;   // charge factor 1 / (ln(2 / (k a)) - gamma), a the radius
};

Shape shapeOf(const Segments& wire, const Segment& seg) {
    const double kh = kPi * seg.length / wire.wavelength;
    Shape sh;
    sh.s = std::sin(kh);
    sh.c = std::cos(kh);
    sh.sd = 2 * sh.s * sh.c;
    sh.cd = sh.c * sh.c - sh.s * sh.s;
    sh.omc = 2 * sh.s * sh.s;
    sh.q = 1.0 / (std::log(wire.wavelength / (kPi * wire.radius)) - kEulerGamma);
    return sh;
}

// The part of a basis function on a neighbour before it is scaled: zero at
// the neighbour's far end, slope q at the junction. `mirror` turns the sine
// term round for the segment's own image in the ground.
BasisTerms neighbourPart(int segment, const Shape& n, bool mirror) {
    BasisTerms t;
    t.segment = segment;
    t.a = n.q / n.sd;
    t.b = (mirror ? -1 : 1) * n.q / (2 * n.c);
    t.c = -n.q / (2 * n.s);
    return t;
}

// The end-cap factor of a free end: the share of the current that flows
// into the cap of a wire of radius a, ka/2 (1 - (ka/2)^2 / 2) / (1 - (ka/2)^2).
double capFactor(const Segments& wire) {
    const double x = kPi * wire.radius / wire.wavelength;
    return x * (1 - 0.5 * x * x) / (1 - x * x);
}

std::vector<BasisTerms> basisOf(const Segments& wire, int i) {
    const Shape own = shapeOf(wire, wire.segments[i]);
    const double xi = capFactor(wire);
    std::vector<BasisTerms> before, after;
    double pBefore = 0, pAfter = 0; // charge terms q tan(k h) of the neighbours
    auto neighbour = [&](int link, std::vector<BasisTerms>& parts, double& p) {
        if (link == kFreeEnd) return;
        const int seg = link == kGroundEnd ? i : link;
        const Shape n = shapeOf(wire, wire.segments[seg]);
        parts.push_back(neighbourPart(seg, n, link == kGroundEnd));
        p = n.q * n.omc / n.sd;
    };
    neighbour(wire.before[i], before, pBefore);
    neighbour(wire.after[i], after, pAfter);

    BasisTerms self;
    self.segment = i;
    self.a = -1;
    double scaleBefore = 0, scaleAfter = 0;
    const double capped = own.cd - xi * own.sd;
    if (before.empty() && after.empty()) {
        self.c = 1 / (own.c - xi * own.s);
    } else if (before.empty()) {
        scaleAfter = -(own.omc + xi * own.sd) /
                     (own.sd * (own.q - xi * pAfter) + own.cd * (xi * own.q + pAfter));
        self.b = (own.s + own.q * scaleAfter * (own.c - xi * own.s)) / capped;
        self.c = (own.c + own.q * scaleAfter * (own.s + xi * own.c)) / capped;
    } else if (after.empty()) {
        scaleBefore = (own.omc + xi * own.sd) /
                      (own.sd * (own.q - xi * pBefore) + own.cd * (pBefore + xi * own.q));
        self.b = (own.q * scaleBefore * (own.c - xi * own.s) - own.s) / capped;
        self.c = (own.c - own.q * scaleBefore * (own.s + xi * own.c)) / capped;
    } else {
        const double d = own.sd * (-pBefore * pAfter + own.q * own.q) +
                         own.cd * (pBefore * own.q + pAfter * own.q);
        scaleBefore = (own.q * own.omc + pAfter * own.sd) / d;
        scaleAfter = -(own.q * own.omc + pBefore * own.sd) / d;
        self.b = (own.q * scaleBefore + own.q * scaleAfter) * own.s / own.sd;
        self.c = (own.q * scaleBefore - own.q * scaleAfter) * own.c / own.sd;
    }

    // The neighbour before joins with its slope scaled as it is; the one
    // after sees the wire from its other end, so its constant and cosine
    // terms change sign.
    std::vector<BasisTerms> parts;
    for (BasisTerms t : before) {
        t.a *= scaleBefore;
        t.b *= scaleBefore;
        t.c *= scaleBefore;
        parts.push_back(t);
    }
    for (BasisTerms t : after) {
        t.a *= -scaleAfter;
        t.b *= scaleAfter;
        t.c *= -scaleAfter;
        parts.push_back(t);
    }
    parts.push_back(self);
    // A grounded end puts the image's part on the segment itself: add them.
    std::vector<BasisTerms> merged;
    for (BasisTerms t : parts) {
        t.basis = i;
        bool added = false;
        for (BasisTerms& m : merged)
            if (m.segment == t.segment) {
                m.a += t.a;
                m.b += t.b;
                m.c += t.c;
                added = true;
            }
        if (!added) merged.push_back(t);
    }
    return merged;
}

} // namespace

Expansion expandCurrent(const Segments& wire) {
    Expansion e;
    const int n = static_cast<int>(wire.segments.size());
    e.ofBasis.resize(n);
    e.onSegment.resize(n);
    for (int i = 0; i < n; ++i) {
        e.ofBasis[i] = basisOf(wire, i);
        for (const BasisTerms& t : e.ofBasis[i])
            e.onSegment[t.segment].push_back(t);
    }
    return e;
}

} // namespace kvarn::mom
