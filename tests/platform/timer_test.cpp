#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <string>

namespace krepogor {
namespace {

TEST(TimerQueueTest, FiresInDueOrderAndTiesInCreationOrder) {
    TimerQueue q;
    std::string fired;
    Timer a(q, "a", 30, true), b(q, "b", 20, true), c(q, "c", 60, true);
    a.OnTimer = [&] { fired += 'a'; };
    b.OnTimer = [&] { fired += 'b'; };
    c.OnTimer = [&] { fired += 'c'; };
    q.RunUntil(60);
    // b at 20, a at 30, b at 40, then a, b and c all at 60 in creation order.
    EXPECT_EQ(fired, "bababc");
    EXPECT_EQ(q.Now(), 60);
}

TEST(TimerQueueTest, EnablingADisabledTimerStartsItsPeriodAfresh) {
    TimerQueue q;
    int fires = 0;
    Timer t(q, "t", 100, true);
    t.OnTimer = [&] { ++fires; };
    q.RunUntil(70);
    t.Enabled(false);
    q.RunUntil(90);
    t.Enabled(true);
    q.RunUntil(189);
    EXPECT_EQ(fires, 0);
    q.RunUntil(190);
    EXPECT_EQ(fires, 1);
    t.Enabled(true);  // already running: the period goes on
    q.RunUntil(290);
    EXPECT_EQ(fires, 2);
    q.RunUntil(250 + 250);
    t.Restart();
    q.RunUntil(599);
    EXPECT_EQ(fires, 4);
    q.RunUntil(600);
    EXPECT_EQ(fires, 5);
}

TEST(TimerQueueTest, HandlersMayStopAndStartOtherTimers) {
    TimerQueue q;
    std::string fired;
    Timer a(q, "a", 10, true), b(q, "b", 10, true);
    a.OnTimer = [&] {
        fired += 'a';
        b.Enabled(false);
    };
    b.OnTimer = [&] { fired += 'b'; };
    q.RunUntil(10);
    EXPECT_EQ(fired, "a");
    b.Enabled(true);
    a.Enabled(false);
    q.RunUntil(20);
    EXPECT_EQ(fired, "ab");
}

TEST(TimerQueueTest, RealTimeDoesNotCatchUp) {
    TimerQueue q(true);
    int fires = 0;
    Timer t(q, "t", 20, true);
    t.OnTimer = [&] { ++fires; };
    q.RunUntil(1000);  // fifty periods late
    EXPECT_EQ(fires, 1);
    q.RunUntil(1019);
    EXPECT_EQ(fires, 1);
    q.RunUntil(1020);
    EXPECT_EQ(fires, 2);
}

}  // namespace
}  // namespace krepogor
