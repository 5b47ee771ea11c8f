#pragma once

#include "platform/Random.h"

namespace krepogor {

// The program's random numbers: splitmix64, seeded from the clock by Randomize.
class ClockRandom : public IRandom {
public:
    double Rnd() override { return gen_.NextDouble(); }
    void Randomize() override;

private:
    SplitMix gen_;
};

}  // namespace krepogor
