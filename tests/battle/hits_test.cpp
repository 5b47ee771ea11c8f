#include "battle/Hits.h"

#include <gtest/gtest.h>

#include "battle/BattleTick.h"
#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

using HitsTest = BattleFixture;

TEST_F(HitsTest, HitBoxEdgesAreNoHit) {
    PlaceEnemy(2, 500, 435);  // 100 x 52
    PlaceBall(1, 500, 450);
    EXPECT_FALSE(HitTest(g, 1, 2));
    PlaceBall(1, 600, 450);
    EXPECT_FALSE(HitTest(g, 1, 2));
    PlaceBall(1, 550, 435);
    EXPECT_FALSE(HitTest(g, 1, 2));
    PlaceBall(1, 550, 487);
    EXPECT_FALSE(HitTest(g, 1, 2));
    PlaceBall(1, 500.5f, 435.5f);
    EXPECT_TRUE(HitTest(g, 1, 2));
    PlaceBall(1, 599.5f, 486.5f);
    EXPECT_TRUE(HitTest(g, 1, 2));
}

TEST_F(HitsTest, HitBoxFollowsThePictureTheBufferHolds) {
    PlaceEnemy(4, 500, 300);  // 48 x 29
    PlaceBall(1, 547, 328);
    EXPECT_TRUE(HitTest(g, 1, 4));
    PlaceBall(1, 549, 328);
    EXPECT_FALSE(HitTest(g, 1, 4));
}

TEST_F(HitsTest, TrackedCarrierTakesFiveHits) {
    PlaceEnemy(3, 500, 400);
    for (int hit = 1; hit <= 4; ++hit) {
        PlaceBall(1, 560, 440);
        Tmr_kernel_Timer(g);
        Commands();
        EXPECT_TRUE(Sent("MMControlBum(2)", "Play")) << "hit " << hit;
        EXPECT_FALSE(Sent("MMControlBum(6)", "Play"));
        EXPECT_FALSE(Sent("MMControlSound(2)", "Stop"));
        EXPECT_EQ(s.MobLive(3), -1);
        EXPECT_EQ(s.ModPoints, 0);
        s.BumLive.Fill(false);
    }
    PlaceBall(1, 560, 440);
    Tmr_kernel_Timer(g);
    Commands();
    EXPECT_EQ(s.MobLive(3), 0);
    EXPECT_EQ(s.ModPoints, 8);
    EXPECT_EQ(s.Kills, 1);
    EXPECT_TRUE(Sent("MMControlSound(2)", "Stop"));
    EXPECT_TRUE(Sent("MMControlBum(2)", "Play"));
    EXPECT_TRUE(Sent("MMControlBum(6)", "Play"));
}

TEST_F(HitsTest, BiplanePaysTenWithoutTheBigBlast) {
    PlaceEnemy(6, 500, 145);
    PlaceBall(1, 550, 160);
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.MobLive(6), -1);
    PlaceBall(1, 550, 160);
    Tmr_kernel_Timer(g);
    Commands();
    EXPECT_EQ(s.MobLive(6), 0);
    EXPECT_EQ(s.ModPoints, 10);
    EXPECT_TRUE(Sent("MMControlSound(3)", "Stop"));
    EXPECT_FALSE(Sent("MMControlBum(6)", "Play"));
}

TEST_F(HitsTest, SoundOffStillRewindsAFinishedExplosion) {
    s.SoundOn = 0;
    auto* bum = rig.media.Find("MMControlBum(3)");
    bum->SetPosition(bum->Length());
    PlaceEnemy(4, 500, 300);
    PlaceBall(1, 520, 310);
    Tmr_kernel_Timer(g);
    Commands();
    EXPECT_TRUE(Sent("MMControlBum(3)", "Prev"));
    EXPECT_FALSE(Sent("MMControlBum(3)", "Play"));
}

TEST_F(HitsTest, PlayingExplosionIsNotRestarted) {
    auto* bum = rig.media.Find("MMControlBum(3)");
    bum->Command("Play");
    rig.Wait(20);  // part way through
    Commands();
    PlaceEnemy(4, 500, 300);
    PlaceBall(1, 520, 310);
    Tmr_kernel_Timer(g);
    Commands();
    EXPECT_FALSE(Sent("MMControlBum(3)", "Play"));
    EXPECT_FALSE(Sent("MMControlBum(3)", "Prev"));
}

TEST_F(HitsTest, OneBallThroughTwoOverlappingFlyers) {
    PlaceEnemy(4, 500, 300);
    PlaceEnemy(5, 480, 290);
    PlaceBall(1, 520, 310);
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Kills, 2);
    EXPECT_EQ(s.ModPoints, 12);
    EXPECT_TRUE(s.BumLive(0));
    EXPECT_TRUE(s.BumLive(1));
    EXPECT_FALSE(s.BumLive(2));
    EXPECT_EQ(s.KernelFly(1), 0);
    EXPECT_EQ(s.BumX(0), 520 - 12 - 55);
    EXPECT_EQ(s.BumY(0), 310 - 12 - 42);
}

TEST_F(HitsTest, SecondBallPassesAnEnemyTheFirstDestroyed) {
    PlaceEnemy(4, 500, 300);
    PlaceBall(1, 520, 310);
    PlaceBall(2, 521, 311);
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Kills, 1);
    EXPECT_EQ(s.KernelFly(1), 0);
    EXPECT_EQ(s.KernelFly(2), -1);
}

TEST_F(HitsTest, FreedBallStillStepsAndIsNotDrawn) {
    PlaceEnemy(4, 500, 300);
    PlaceBall(1, 520, 310);
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.KernelFly(1), 0);
    EXPECT_FLOAT_EQ(s.KernelT(1), 0.08f);  // one step from the muzzle
    EXPECT_NEAR(s.KernelX(1), 115 + 4, 0.01);
}

TEST_F(HitsTest, HitWithAllExplosionSlotsBusyStillCounts) {
    s.BumLive.Fill(true);
    PlaceEnemy(5, 500, 300);
    PlaceBall(1, 520, 310);
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Kills, 1);
    EXPECT_EQ(s.ModPoints, 7);
    EXPECT_EQ(s.KernelFly(1), 0);
    for (int n = 0; n <= 5; ++n) EXPECT_EQ(s.BumX(n), 0);
}

}  // namespace
}  // namespace krepogor::test
