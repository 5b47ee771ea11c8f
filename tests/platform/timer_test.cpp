#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(TimerQueueTest, RealTimeKeepsTheBeatOfALateTimer) {
    TimerQueue q(true);
    std::vector<std::string> fired;
    Timer tick(q, "tick", 20, true);
    Timer slow(q, "slow", 50, true);
    tick.OnTimer = [&] { fired.push_back("tick@" + std::to_string(q.Now())); };
    slow.OnTimer = [&] { fired.push_back("slow@" + std::to_string(q.Now())); };
    q.RunUntil(23);  // woken 3 ms late: the next tick is still due at 40
    q.RunUntil(39);
    q.RunUntil(40);
    q.RunUntil(50);
    q.RunUntil(60);
    q.RunUntil(80);
    q.RunUntil(100);  // both come due together, in creation order
    EXPECT_EQ(fired, (std::vector<std::string>{"tick@23", "tick@40", "slow@50", "tick@60",
                                               "tick@80", "tick@100", "slow@100"}));
}

// Timers left waiting fire every period they missed, at its own time and in
// due order, and then keep their beat on the real clock.
TEST(TimerQueueTest, CatchingUpFiresEveryMissedPeriodOnTime) {
    TimerQueue q(true);
    std::vector<std::string> fired;
    Timer fast(q, "fast", 20, true);
    Timer slow(q, "slow", 50, true);
    Timer late(q, "late", 30, false);
    fast.OnTimer = [&] { fired.push_back("fast@" + std::to_string(q.Now())); };
    slow.OnTimer = [&] {
        fired.push_back("slow@" + std::to_string(q.Now()));
        late.Enabled(true);  // started at the slow timer's own time, 50
    };
    late.OnTimer = [&] { fired.push_back("late@" + std::to_string(q.Now())); };
    q.CatchUp(95);
    EXPECT_EQ(fired, (std::vector<std::string>{"fast@20", "fast@40", "slow@50", "fast@60",
                                               "fast@80", "late@80"}));
    EXPECT_EQ(q.Now(), 95);
    fired.clear();
    q.RunUntil(101);
    EXPECT_EQ(fired, (std::vector<std::string>{"fast@101", "slow@101"}));
}

}  // namespace
}  // namespace krepogor
