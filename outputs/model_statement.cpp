#include "outputs/model_statement.h"

namespace kvarn {

namespace {

constexpr const char* kExact =
    "The wire is computed in free space, with no ground. It is cut into 1 m elements "
    "carrying a standing-wave current whose amplitude follows from the power at the feed "
    "(73.2 ohms per half wave), and the near and far fields of all elements are summed at "
    "every point. Values within 2.1 m of the wire are unreliable; such points are marked "
    "too close and count as over the limits. Compared with a method-of-moments engine "
    "(NEC-2) on the same wires in free space, the values were within 1 to 2 % for half-wave "
    "wires, but 20 % low for wires of one wavelength and 37 % low for two, and a centre-fed "
    "wire of one wavelength gets the wrong current altogether (the wave is always pinned at "
    "the first corner). Over real ground it reads low: under wires up to a quarter wave high, "
    "average soil raises the largest fields at 0.5 to 2 m to 1.6 to 2.1 times the free-space "
    "ones, and this model's maxima there were 0.38 to 0.86 (E) and 0.43 to 0.66 (H) of the "
    "values over real ground, its highest compliant power 1.3 to 5 times too high. Use the "
    "method-of-moments model (model = \"mom\") for an assessment to file.";

constexpr const char* kMoments =
    "The wire's currents are computed by the method of moments, as antenna engineers do "
    "(NEC-2's thin-wire formulation: segments no longer than a fortieth of a wavelength and "
    "0.5 m, a three-term sinusoidal current on each, a voltage source on the segment at the "
    "feed), from the wire itself, its diameter and where it is fed; they are scaled so that "
    "the power at the feed is the band's. E and H at every point are the fields of all "
    "segments";

constexpr const char* kMomentsNearLimit =
    " Points within two feed-segment lengths of the feed, two end-segment lengths of a free "
    "end or three wire radii of the wire are marked too close: there the formulas stop "
    "holding (against the same wire cut five times finer, |E| one segment length from the "
    "feed differs by 2.4 %, two lengths away by 0.3 %); such points count as over the "
    "limits. Against NEC-2 (nec2c) on the same wires the fields agree within 0.01 %.";

} // namespace

std::string modelStatement(const Station& station) {
    if (isExact(station.model)) return kExact;
    std::string text = kMoments;
    if (station.ground == GroundKind::real)
        text +=
            " and of the ground beneath, real soil of the station's permittivity and "
            "conductivity, through the Sommerfeld-Norton solution for a lossy half space "
            "(NEC-2's method, for the currents and the feed impedance as for the field at "
            "every point; H from the same solution as the curl of E, where NEC-2 takes a "
            "reflection-coefficient image). Over average soil (relative permittivity 13, "
            "conductivity 0.005 S/m) the largest fields at 0.5 to 2 m under horizontal wires up "
            "to a quarter wave high are 1.6 to 2.1 times those in free space (E) and 1.6 to "
            "1.9 times (H); over poor soil 1.4 to 1.6 times; near half a wave high the ground "
            "lowers E at 0.5 to 1.5 m but still raises H by 1.3 to 1.5. The feed resistance of a "
            "half-wave dipole a tenth of a wave up falls from 72 ohms in free space to about 53 "
            "ohms over average soil. A perfect ground would overstate the field and understate "
            "the power a station may run by up to 4.6 times; a reflection-coefficient image "
            "(NEC-2's faster ground) reads E up to 13.5 % low at 0.5 m. The soil is rarely known "
            "well: a run with two soils shows the spread, and the better conducting one gives "
            "the higher field.";
    else if (station.ground == GroundKind::perfect)
        text += " and of their images in a perfectly conducting ground at z = 0. Over a perfect "
                "ground the largest fields of a plane bound those over real soil (H always, E "
                "within 6 %), but point by point E near the ground reads low (its tangential part "
                "vanishes at a perfect ground), and the power a station may run is understated up "
                "to 4.6 times against average soil.";
    else
        text += ", in free space with no ground. Free space reads low near the ground: over "
                "average soil the largest fields at 0.5 to 2 m under wires up to a quarter wave "
                "high are 1.6 to 2.1 times the free-space ones. Give the station a [ground].";
    return text + kMomentsNearLimit;
}

} // namespace kvarn
