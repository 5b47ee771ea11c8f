#pragma once

#include <cstdint>

namespace krepogor {

// Uniform random numbers in [0, 1).
class IRandom {
public:
    virtual ~IRandom() = default;
    virtual double Rnd() = 0;
    // Seeds the generator from the clock.
    virtual void Randomize() = 0;
};

// A small, fast generator (splitmix64) with the same sequence on every machine.
class SplitMix {
public:
    explicit SplitMix(uint64_t seed = 0) : state_(seed) {}
    void Seed(uint64_t seed) { state_ = seed; }
    uint64_t Next();
    // 53 random bits scaled into [0, 1).
    double NextDouble() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    uint64_t state_;
};

}  // namespace krepogor
