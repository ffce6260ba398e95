#include "field/short_antenna.h"

namespace kvarn {

bool shortModelSuits(double wireMetres, double lambda) {
    // Between a quarter wave and a little under a half wave.
    return wireMetres < lambda / 2.2L && wireMetres > lambda / 4.0L;
}

} // namespace kvarn
