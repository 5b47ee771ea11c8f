#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "platform/ClockRandom.h"

namespace krepogor {
namespace {

TEST(ClockRandomTest, NumbersStayInTheUnitIntervalAndFollowTheirSeed) {
    ClockRandom a;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ClockRandom b;  // a later moment of the clock: another sequence
    EXPECT_NE(a.Seed(), b.Seed());
    // The seed is the whole sequence: a recording replays it from the seed.
    SplitMix same(b.Seed());
    b.Randomize();
    EXPECT_EQ(b.Rnd(), same.NextDouble());
    EXPECT_NE(a.Rnd(), same.NextDouble());
    std::set<double> seen;
    for (int i = 0; i < 10000; ++i) {
        const double x = a.Rnd();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        seen.insert(x);
    }
    EXPECT_GT(seen.size(), 9990u);
}

}  // namespace
}  // namespace krepogor
