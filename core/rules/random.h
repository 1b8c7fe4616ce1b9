// The game's one random source and the three roundings the rules name.
#pragma once

#include <cstdint>
#include <random>

namespace tk {

// One generator per running game: seeded once (from the clock by the application, with
// a fixed seed by tests and tools), never reseeded between draws.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : engine_(seed) {}

    // A uniform draw in [0, 1) with 53 random bits, the same on every platform.
    double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    void Seed(std::uint64_t seed) { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
};

// To the nearest whole number, ties to even: the default conversion of real results.
int RoundEven(double x);
// Away from zero: 2.1 -> 3, -2.1 -> -3, 2 -> 2.
int RoundAway(double x);
// Down, toward minus infinity (the rules' Int).
int RoundDown(double x);

// u * (high - low) + low, rounded to nearest with ties to even; both ends come up half as
// often as each value between them.
int RandomRange(Rng &rng, int high, int low);

}  // namespace tk
