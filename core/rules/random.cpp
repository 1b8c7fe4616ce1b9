// Rounding helpers and the scaled random draw.
#include "core/rules/random.h"

#include <cmath>

namespace tk {

int RoundEven(double x) {
    // std::nearbyint follows the current rounding mode, which the game never changes
    // from to-nearest; spell the tie rule out so it holds regardless.
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
    return static_cast<int>(r);
}

int RoundAway(double x) {
    if (x > 0) return static_cast<int>(std::ceil(x));
    if (x < 0) return -static_cast<int>(std::ceil(-x));
    return 0;
}

int RoundDown(double x) {
    return static_cast<int>(std::floor(x));
}

int RandomRange(Rng &rng, int high, int low) {
    return RoundEven(rng.Uniform() * (high - low) + low);
}

}  // namespace tk
