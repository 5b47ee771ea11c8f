#pragma once

#include <cstdint>

#include "platform/Random.h"

namespace krepogor {

// The program's random numbers: splitmix64, seeded from the clock when made.
// Randomize then changes nothing: a run is one sequence from one seed, which
// is all a recording of the run needs to keep of it.
class ClockRandom : public IRandom {
public:
    ClockRandom();
    // The sequence of a seed given (a recording's).
    explicit ClockRandom(uint64_t seed) : seed_(seed), gen_(seed) {}
    uint64_t Seed() const { return seed_; }
    double Rnd() override { return gen_.NextDouble(); }
    void Randomize() override {}

private:
    uint64_t seed_;
    SplitMix gen_;
};

}  // namespace krepogor
