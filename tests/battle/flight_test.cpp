#include "battle/Flight.h"

#include <gtest/gtest.h>

#include <cmath>

#include "battle/BattleTick.h"
#include "battle/GunControls.h"
#include "battle/Keys.h"
#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

class FlightTest : public BattleFixture {
protected:
    // Fires at `angle` and ticks until the ball lands; returns the landing tick
    // and where the ball came down (the ball is parked at once, but its flight
    // time keeps its value).
    std::pair<int, double> FlyAt(int angle) {
        s.GunAngle = static_cast<int16_t>(angle);
        Form_KeyDown(g, vbKeySpace, 0);
        for (int tick = 1; tick < 1000; ++tick) {
            Tmr_kernel_Timer(g);
            if (s.KernelFly(1) == 0)
                return {tick, s.KernelSpeed * s.KernelT(1) * std::cos(s.KernelRad(1)) +
                                  LaunchPointFor(angle).x0};
        }
        return {-1, 0};
    }
};

TEST_F(FlightTest, FortyFiveDegreesFirstTickAndLanding) {
    s.GunAngle = 45;
    Form_KeyDown(g, vbKeySpace, 0);
    Tmr_kernel_Timer(g);
    EXPECT_NEAR(s.KernelX(1), 102.83, 0.01);
    EXPECT_NEAR(s.KernelY(1), 387.20, 0.01);
    s.KernelFly(1) = 0;
    const auto [tick, x] = FlyAt(45);
    EXPECT_EQ(tick, 111);
    EXPECT_NEAR(x, 414, 1);
}

TEST_F(FlightTest, FlatAndVerticalShots) {
    const auto [flatTick, flatX] = FlyAt(0);
    EXPECT_EQ(flatTick, 31);
    EXPECT_NEAR(flatX, 239, 0.01);
    const auto [upTick, upX] = FlyAt(90);
    EXPECT_EQ(upTick, 147);
    EXPECT_NEAR(upX, 63, 0.05);  // pi as 3.1415 leans the vertical shot a hair
}

TEST_F(FlightTest, LandedBallIsParkedAboveTheField) {
    FlyAt(0);
    EXPECT_EQ(s.KernelX(1), 60);
    EXPECT_EQ(s.KernelY(1), 0);
    EXPECT_GT(s.KernelT(1), 0);  // the flight time keeps its last value
}

TEST_F(FlightTest, BallExactlyOnTheGroundLineStillFlies) {
    // A ball at rest in the air at angle 90 with no speed drops only by gravity;
    // find a time step that puts it exactly on 460 and check it is not landed.
    s.KernelSpeed = 0;
    s.KernelDt = 0;
    s.GunAngle = 0;
    Form_KeyDown(g, vbKeySpace, 0);
    s.KernelT(1) = 0;
    Tmr_kernel_Timer(g);  // t = 0: the ball sits at the launch point, y = 430
    EXPECT_EQ(s.KernelFly(1), -1);
    // Grav * t^2 / 2 = 30 puts it on 460 exactly with t^2 = 60 / Grav.
    s.Grav = 60.0 / 4.0;  // t = 2 gives 30
    s.KernelT(1) = 2;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.KernelY(1), 460.0f);
    EXPECT_EQ(s.KernelFly(1), -1);
    s.KernelDt = 0.5;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.KernelFly(1), 0);
}

TEST_F(FlightTest, EnemiesWalkAndEachOneAtTheWallCostsALife) {
    PlaceEnemy(1, -167, 435);
    PlaceEnemy(2, -160, 435);
    s.MobSpeed(1) = 3;  // lands exactly on -170: at the wall
    s.MobSpeed(2) = 5;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.MobLive(1), 0);
    EXPECT_EQ(s.MobLive(2), -1);
    EXPECT_EQ(s.Life, 99);
    s.MobSpeed(2) = 20;
    PlaceEnemy(3, -168, 400);
    s.MobSpeed(3) = 5;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Life, 97);  // two at the wall in one tick
    Commands();
    EXPECT_TRUE(seen.empty());  // no sound command, no kill, no points
    EXPECT_EQ(s.Kills, 0);
}

}  // namespace
}  // namespace krepogor::test
