#include "field/short_antenna.h"

namespace kvarn {

bool shortModelSuits(double wireMetres, double lambda) {
    // Between a quarter wave and a little under a half wave.
    return wireMetres < lambda / 2.2L && wireMetres > lambda / 4.0L;
}

double shortModelLowest(double wireMetres) {
    return static_cast<double>(75.0L / wireMetres);
}

double shortModelHighest(double wireMetres) {
    return static_cast<double>(300.0L / 2.2L / wireMetres);
}

} // namespace kvarn
