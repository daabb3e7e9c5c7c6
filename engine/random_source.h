// The uniform draws of a new exercise. Tests inject their own source.
#pragma once

#include <random>

namespace engine {

class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual void reseedFromClock() = 0;
    virtual double next() = 0;  // uniform in [0, 1)
};

// A Mersenne Twister reseeded from the high-resolution clock, so that two new exercises within
// the same second still draw afresh.
class ClockSeededSource final : public UniformSource {
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937_64 generator_;
};

}  // namespace engine
