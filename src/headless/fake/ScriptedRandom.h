#pragma once

#include <deque>

#include "platform/Random.h"

namespace krepogor {

// A repeatable generator for tests: numbers queued in advance come first; a
// fixed seed makes the clock seeding a no-op.
class ScriptedRandom : public IRandom {
public:
    void Seed(uint64_t seed) {
        gen_.Seed(seed);
        seeded_ = true;
    }
    void Queue(double x) { queued_.push_back(x); }
    double Rnd() override {
        if (queued_.empty()) return gen_.NextDouble();
        const double x = queued_.front();
        queued_.pop_front();
        return x;
    }
    void Randomize() override {
        if (!seeded_) gen_.Seed(0);
    }

private:
    SplitMix gen_;
    bool seeded_ = false;
    std::deque<double> queued_;
};

}  // namespace krepogor
