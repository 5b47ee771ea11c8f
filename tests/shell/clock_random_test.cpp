#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

#include "platform/ClockRandom.h"

namespace krepogor {
namespace {

TEST(ClockRandomTest, NumbersStayInTheUnitIntervalAndDifferBetweenSeedings) {
    ClockRandom a, b;
    a.Randomize();
    const double first = a.Rnd();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    b.Randomize();  // a later moment of the clock: another sequence
    EXPECT_NE(first, b.Rnd());
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
