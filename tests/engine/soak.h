// What the long random runs share: a seeded source of exercises, the seed and the length of a run.
// A run prints its seed when it fails; CONJUGACIO_SOAK_SEED=<seed> replays it.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "engine/random_source.h"

namespace soak {

// Draws exercises from a fixed seed, so that a run can be replayed; the program's reseed from the
// clock is only counted. Now and then it returns an end of the range, where the draw picks the first
// or the last tense or verb.
class SeededSource final : public engine::UniformSource {
public:
    explicit SeededSource(std::uint64_t seed) : generator_(seed) {}

    void reseedFromClock() override { ++reseeds; }
    double next() override
    {
        switch (generator_() % 16) {
        case 0:
            return 0.0;
        case 1:
            return std::nextafter(1.0, 0.0);
        default:
            return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
        }
    }

    int reseeds = 0;  // one a new exercise

private:
    std::mt19937_64 generator_;
};

// CONJUGACIO_SOAK_SEED if it is set, a fresh seed otherwise.
inline std::uint64_t seed()
{
    if (const char* given = std::getenv("CONJUGACIO_SOAK_SEED"))
        return std::stoull(given);
    std::random_device device;
    return (std::uint64_t{device()} << 32) | device();
}

// The number in the environment variable `name`, or `fallback` if it is not set.
inline long long length(const char* name, long long fallback)
{
    const char* given = std::getenv(name);
    return given ? std::stoll(given) : fallback;
}

}  // namespace soak
