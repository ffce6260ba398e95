#pragma once
// The field due to a lossy ground for the method-of-moments engine, as in
// NEC-2's Sommerfeld-Norton ground (its GN 2) near the source's image, and
// more accurate than NEC-2 beyond it: NEC-2's tables of the Sommerfeld
// integrals out to R^2 = 0.95 wavelengths^2, kvarn's far tables of the same
// integrals out to 20 wavelengths, Norton's asymptotic form with its error
// there carried on beyond. Built once per ground and frequency; afterwards
// read-only, so any number of threads may ask it for fields at the same
// time.
//
// WHERE IT FITS. Over this ground, the field of a segment's current at a
// point is, as NEC-2's EFLD sums it,
//     E = E_free - frati * E_mirror + E_ground,
// E_free the segment's free-space field, E_mirror the free-space field of
// its mirror segment (centre (x, y, -z), direction (dx, dy, -dz)) with the
// same current, frati = (epsc - 1) / (epsc + 1) (GroundConstants::frati,
// 1 for a perfect ground): the quasi-static image. No Fresnel reflection
// coefficients enter here; those belong to NEC-2's other finite-ground
// option. E_ground is what this library gives, per current element:
//
// THE QUANTITIES. For a current element I dl at height z' with unit
// direction s = (cos a cos b, cos a sin b, sin a), and a field point at
// height z (z, z' >= 0, lengths in wavelengths):
//     rho    horizontal distance from the element to the point,
//     r^     unit horizontal vector from the element towards the point
//            (any horizontal unit vector when rho = 0),
//     phi^ = z^ x r^,
//     R      = sqrt(rho^2 + (z + z')^2), from the element's image to the point,
//     theta  = atan((z + z') / rho) in [0, pi/2], pi/2 when rho = 0,
//     cos(phi) = s_h . r^ and sin(phi) = (s_h x r^) . z^, s_h = (cos b, sin b, 0),
// the field due to ground is
//     dE = I dl exp(-j 2 pi R) / R * [ r^   (sin a ERV + cos a cos(phi) ERH)
//                                    + phi^  cos a sin(phi) EPH
//                                    + z^   (sin a EZV - cos a cos(phi) ERV) ].
// (The vertical field of the horizontal element is -ERV by reciprocity.)
// The factor exp(-j 2 pi R) / R is left out of the four quantities, which
// makes them smooth enough to tabulate. Their unit is that of NEC-2's
// segment fields: a free-space element I dl has the far field
// E_theta = j (eta / 2) I dl sin(theta) exp(-j 2 pi r) / r with eta =
// 376.73 ohm and lengths in wavelengths, so with I in amperes E is in V/m
// times the wavelength in metres (NEC-2 carries its currents as amperes
// per wavelength, which gives V/m). They are what remains of the exact
// (Sommerfeld) field of the element over the ground once the quasi-static
// image term -frati * E_mirror is taken out: for free space (eps_r 1,
// sigma 0) they are 0, and over a perfect conductor they tend to 0 like
// 1/sqrt(sigma) at every R > 0. The R = 0 row of the tables holds their
// limit for R -> 0, which stays finite as sigma grows (-j eta/2 times
// (1 - sin theta)/cos theta, 1, 1, -1), and the interpolation below R =
// 0.06 leans on it, as NEC-2's does: there a conductor keeps a rest of
// some 60 (against eta/2 = 188) at R = 0.01, small beside the image's own
// near field.
//
// SEGMENTS. NEC-2 integrates dE over the segment with the segment's current
// I(t) = A + B sin(2 pi t) + C cos(2 pi t), t from -s/2 to s/2 along it, when
// R^2 <= 0.95 for the segment's centre, and lumps the current's moments at
// the centre beyond; ground/segment_ground_field.h does both as NEC-2 does.
// fields() below switches tables on the same R^2 for the point it is given.
//
// THE SWITCH, AND WHERE KVARN LEAVES NEC-2. NEC-2 takes Norton's form
// beyond R^2 = 0.95. That form is only asymptotically right: where it
// takes over it differs from the tables by up to some 30 % of the four
// quantities, 10 % of the whole field due to ground (image included), for
// average soil at 3.65 and 14.2 MHz, and its error falls only like 1/R, so
// NEC-2's field steps there by up to several per cent of the total. kvarn
// reads its far tables instead (ground/far_tables.h): the same integrals,
// so the step at R^2 = 0.95 is only what the two interpolations differ by
// (0.03 % of the quantities over average soil), and Norton's form takes
// over only at 20 wavelengths, corrected there to meet the tables.
//
// SLOPES. fieldsWithSlopes() gives the quantities' derivatives along R and
// theta with them, for the curl of the field due to ground (the magnetic
// field): those of the interpolating cubics in the tables, and differences
// of Norton's form beyond. NEC-2 has no such thing: it takes H over a lossy
// ground from reflection coefficients of the image.
//
// Time goes as exp(+j omega t), as in NEC-2.

#include <memory>
#include <mutex>

#include "ground/far_tables.h"
#include "ground/ground_fields.h"
#include "ground/ground_medium.h"
#include "ground/ground_tables.h"
#include "ground/sommerfeld_integrals.h"

namespace kvarn::ground {

// R^2 (wavelengths^2) up to which NEC-2's tables are read.
inline constexpr double kTableReachSquared = 0.95;

class SommerfeldGround {
  public:
    // Evaluates the tables on `threads` threads (0: one per core); throws
    // std::invalid_argument for a ground groundConstants() refuses.
    explicit SommerfeldGround(const GroundParameters& ground, unsigned threads = 0);

    // ERV, EZV, ERH, EPH at R (wavelengths, > 0) and theta (rad, 0 to
    // pi/2): interpolated in NEC-2's tables for R^2 <= 0.95, in the far
    // tables beyond.
    GroundFields fields(double r, double theta) const;
    // The same with their slopes along R and theta.
    GroundFieldSlopes fieldsWithSlopes(double r, double theta) const;
    // The same from rho and z + z' (wavelengths, >= 0), with R and theta
    // formed as NEC-2 forms them (theta = pi/2 for rho below 1e-12).
    GroundFields fieldsAt(double rho, double zPlusZPrime) const;

    const GroundConstants& constants() const { return constants_; }
    const SommerfeldIntegrals& integrals() const { return integrals_; }
    const GroundTables& tables() const { return tables_; }
    // Built when first asked for (by any thread; the others wait): a band
    // whose field points all lie within R^2 = 0.95 of the images never
    // needs them.
    const FarTables& farTables() const;

  private:
    GroundConstants constants_;
    SommerfeldIntegrals integrals_;
    GroundTables tables_;
    unsigned threads_;
    mutable std::once_flag farOnce_;
    mutable std::unique_ptr<FarTables> far_;
};

} // namespace kvarn::ground
