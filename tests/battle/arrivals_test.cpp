#include "battle/Arrivals.h"

#include <gtest/gtest.h>

#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

class ArrivalsTest : public BattleFixture {
protected:
    // Rolls the enemy timer with `roll` in 1..MobRange; `next` are the draws
    // that follow (the generator's own numbers when not given).
    void Roll(int roll, std::initializer_list<double> next = {}) {
        rig.random.Queue((roll - 1 + 0.5) / s.MobRange);
        for (double x : next) rig.random.Queue(x);
        Tmr_mob_Timer(g);
    }
};

TEST_F(ArrivalsTest, LevelOneBringsOnlyTheTank) {
    for (int roll = 2; roll <= 16; ++roll) Roll(roll);
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(s.MobLive(k), 0) << k;
    Roll(1, {0.75});
    EXPECT_EQ(s.MobRoll, 1);
    EXPECT_EQ(s.MobLive(1), -1);
    EXPECT_EQ(s.MobX(1), 1000);
    EXPECT_EQ(s.MobY(1), 435);
    EXPECT_FLOAT_EQ(s.MobSpeed(1), 0.75f * 20 / 15 + 3);
    EXPECT_EQ(s.MobHP1, 3);
}

TEST_F(ArrivalsTest, EachKindEntersWithItsSpeedHeightAndHits) {
    s.Level = 6;
    s.MobSpeedBase = 3;
    Roll(3, {0.0});
    EXPECT_EQ(s.MobY(3), 400);
    EXPECT_FLOAT_EQ(s.MobSpeed(3), 2);
    EXPECT_EQ(s.MobHP3, 5);
    Roll(4, {0.0, 0.0});
    EXPECT_EQ(s.MobY(4), 250);
    Roll(5, {0.0, 0.999});
    EXPECT_FLOAT_EQ(s.MobSpeed(5), 2.5f);
    EXPECT_NEAR(s.MobY(5), 99.95, 0.01);
    Roll(6, {0.0, 0.0});
    EXPECT_NEAR(s.MobY(6), 140.333, 0.001);
    EXPECT_EQ(s.MobHP6, 2);
    Roll(6, {0.0, 0.0});  // already on the field: nothing changes
    s.MobLive(6) = 0;
    Roll(6, {0.999, 0.99999});
    EXPECT_LT(s.MobY(6), 153.67f);
    EXPECT_LT(s.MobSpeed(6), 7.34f);
}

TEST_F(ArrivalsTest, EnemyOnTheFieldIsLeftAlone) {
    s.Level = 3;
    Roll(3);
    s.MobX(3) = 700;
    s.MobHP3 = 2;
    Roll(3, {0.9});
    EXPECT_EQ(s.MobX(3), 700);
    EXPECT_EQ(s.MobHP3, 2);
}

TEST_F(ArrivalsTest, EngineSoundStartsFromTheTopOnlyWithSoundOn) {
    s.Level = 6;
    Roll(2);
    Commands();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"MMControlSound(1)", "Prev"}));
    EXPECT_EQ(seen[1], (std::vector<std::string>{"MMControlSound(1)", "Play"}));
    Roll(4);
    Commands();
    EXPECT_TRUE(seen.empty());
    s.SoundOn = 0;
    Roll(6);
    Commands();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(s.MobLive(6), -1);
}

TEST_F(ArrivalsTest, HigherLevelsShrinkTheRoll) {
    s.MobRange = 7;
    rig.random.Queue(0.999);
    Tmr_mob_Timer(g);
    EXPECT_EQ(s.MobRoll, 7);
    rig.random.Queue(0.0);
    rig.random.Queue(0.5);
    Tmr_mob_Timer(g);
    EXPECT_EQ(s.MobRoll, 1);
}

}  // namespace
}  // namespace krepogor::test
