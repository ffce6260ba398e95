// Prints the ground's interpolation tables for one ground and frequency, in
// the layout of NEC-2's printed SOMNEC grids (grid by grid, quantity by
// quantity, one block of angles per R), then the quantities along a few
// lines across the switches to the far tables and to Norton's form, so
// they can be read against NEC-2's own output.
//
//   ./build/ground/kvarn_ground_tables 13 0.005 14.2        (eps_r, S/m, MHz)
//   ./build/ground/kvarn_ground_tables 13 0.005 3.65 1      (on one thread)
//
// Exit status 0, or 2 for arguments it cannot use.

#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "ground/interpolation_grids.h"
#include "ground/sommerfeld_ground.h"

namespace {

using kvarn::ground::GroundFields;

bool number(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && std::isfinite(value);
}

void printValues(const std::complex<double>* v, int n) {
    for (int i = 0; i < n; ++i)
        std::printf("%s%12.5E%12.5E", i % 5 == 0 ? (i ? "\n " : " ") : "", v[i].real(),
                    v[i].imag());
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    using namespace kvarn::ground;
    double eps = 0, sigma = 0, mhz = 0, threads = 0;
    if (argc < 4 || argc > 5 || !number(argv[1], eps) || !number(argv[2], sigma) ||
        !number(argv[3], mhz) || (argc == 5 && (!number(argv[4], threads) || threads < 0))) {
        std::fprintf(stderr, "usage: %s eps_r sigma(S/m) f(MHz) [threads]\n", argv[0]);
        return 2;
    }
    try {
        const SommerfeldGround ground({eps, sigma, mhz}, static_cast<unsigned>(threads));
        const GroundConstants& c = ground.constants();
        std::printf("NEC ground interpolation grid, eps_r %g, sigma %g S/m, %g MHz\n", eps, sigma,
                    mhz);
        std::printf("complex relative permittivity %12.5E%12.5E\n", c.epsc.real(), c.epsc.imag());
        std::printf("quasi-static image factor     %12.5E%12.5E\n", c.frati.real(), c.frati.imag());
        static const char* const names[] = {"ERV", "EZV", "ERH", "EPH"};
        for (int g = 0; g < 3; ++g) {
            const GridRegion& grid = kGridRegions[g];
            std::printf("\n\ngrid %d\n   R(1)=%7.4f   DR=%7.4f   NR=%3d\n THET(1)=%7.4f  DTH=%7.4f"
                        "  NTH=%3d\n",
                        g + 1, grid.r0, grid.dr, grid.nr, grid.theta0, grid.dtheta, grid.ntheta);
            for (int q = 0; q < 4; ++q) {
                std::printf("\n %s\n", names[q]);
                for (int ir = 0; ir < grid.nr; ++ir) {
                    std::complex<double> row[10];
                    for (int it = 0; it < grid.ntheta; ++it) {
                        const GroundFields& n = ground.tables().node(g, ir, it);
                        const std::complex<double> all[] = {n.erv, n.ezv, n.erh, n.eph};
                        row[it] = all[q];
                    }
                    std::printf(" IR=%3d\n", ir + 1);
                    printValues(row, grid.ntheta);
                }
            }
        }
        std::printf("\n\nacross the switch to the far tables at R^2 = %.2f and to Norton's form at "
                    "R = %.0f\n",
                    kTableReachSquared, kFarTableEnd);
        std::printf("  R      theta  form     ERV                     EZV                     "
                    "ERH                     EPH\n");
        for (double deg : {0.0, 30.0, 60.0, 90.0})
            for (double r : {0.9, 0.97, 0.98, 1.5, 3.0, 19.9, 20.1}) {
                const GroundFields f = ground.fields(r, deg * 0.0174532925199432958);
                std::printf("%6.3f %6.1f  %-7s", r, deg,
                            r * r <= kTableReachSquared ? "NEC-2"
                            : r <= kFarTableEnd         ? "far"
                                                        : "Norton");
                for (auto v : {f.erv, f.ezv, f.erh, f.eph})
                    std::printf(" %11.4E%11.4E", v.real(), v.imag());
                std::printf("\n");
            }
        if (ground.tables().limitedNodes() > 0)
            std::fprintf(stderr, "%d nodes stopped short of their accuracy\n",
                         ground.tables().limitedNodes());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    return 0;
}
