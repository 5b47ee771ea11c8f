#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "battle/BattleEnd.h"
#include "battle/BattleTick.h"
#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

using BattleEndTest = BattleFixture;

TEST_F(BattleEndTest, AutomaticRepairSavesTheCrewOnce) {
    s.Life = 1;
    s.ModPoints = 250;
    PlaceEnemy(1, -169, 435);
    s.MobSpeed(1) = 1;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Life, 25);
    EXPECT_EQ(s.ModPoints, 0);
    EXPECT_EQ(g.windows.Visible(), "frm_vustrel");
    EXPECT_TRUE(g.frm_vustrel.Tmr_kernel.Enabled());
}

TEST_F(BattleEndTest, NoRepairBelowZeroOrWithoutMoney) {
    s.Life = 1;
    s.ModPoints = 1000;
    PlaceEnemy(1, -169, 435);
    PlaceEnemy(2, -169, 435);
    s.MobSpeed(1) = s.MobSpeed(2) = 1;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Life, -1);
    EXPECT_EQ(s.ModPoints, 1000);
    EXPECT_EQ(g.windows.Visible(), "FrmLost");
}

TEST_F(BattleEndTest, DefeatStopsEverythingAndDrawsNoFrame) {
    s.Life = 0;
    s.ModPoints = 249;
    s.Kills = 1499;
    s.Level = 10;
    const int scenes = g.noView.scenes;
    Tmr_kernel_Timer(g);
    Commands();
    EXPECT_EQ(g.noView.scenes, scenes);
    EXPECT_EQ(g.windows.Visible(), "FrmLost");
    const auto& f = g.frm_vustrel;
    for (const Timer* t :
         {&f.Tmr_kernel, &f.Tmr_mob, &f.TmrBum, &f.TmrMob5, &f.TmrFazaMob4, &f.tmr_fc})
        EXPECT_FALSE(t->Enabled()) << t->Name();
    ASSERT_GE(seen.size(), 6u);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"about", "Play"}));
    EXPECT_EQ(seen[1], (std::vector<std::string>{"mm_menu", "Stop"}));
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(seen[2 + i],
                  (std::vector<std::string>{"MMControlSound(" + std::to_string(i) + ")", "Stop"}));
}

TEST_F(BattleEndTest, LevelThresholds) {
    s.Kills = 4;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Level, 1);
    s.Kills = 5;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Level, 2);
    EXPECT_EQ(s.MobRange, 15);
    EXPECT_FLOAT_EQ(s.MobSpeedBase, 3.5f);
    EXPECT_EQ(g.buf.PicLife(7).Held()->Name, "ImgZifra(2)");
    EXPECT_EQ(g.buf.PicLifeM(7).Held()->Name, "ImgZifraM(2)");
}

TEST_F(BattleEndTest, TwoThresholdsInOneTickRaiseTwoLevels) {
    s.Kills = 50;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Level, 4);
    EXPECT_EQ(s.MobRange, 13);
    EXPECT_EQ(g.buf.PicLife(7).Held()->Name, "ImgZifra(4)");
}

TEST_F(BattleEndTest, LevelTenKeepsTheNineOnTheScrollCell) {
    s.Level = 9;
    s.Kills = 1000;
    g.buf.PicLife(7).Put(g.pics.ImgZifra(9));
    Tmr_kernel_Timer(g);
    EXPECT_EQ(s.Level, 10);
    EXPECT_EQ(g.buf.PicLife(7).Held()->Name, "ImgZifra(9)");
    s.Kills = 1499;
    Tmr_kernel_Timer(g);
    EXPECT_EQ(g.windows.Visible(), "frm_vustrel");
}

TEST_F(BattleEndTest, ScoreFormula) {
    s.ModPoints = 100;
    s.Kills = 1500;
    s.Life = 50;
    s.ForceLevel = 3;
    s.DtLevel = 2;
    s.ShotCount = 4000;
    EXPECT_EQ(ComputeFinalScore(s), 1800);
    s.ShotCount = 40000;  // more shots than a 16-bit counter holds
    EXPECT_EQ(ComputeFinalScore(s), 1800 - 36000);
}

TEST_F(BattleEndTest, VictoryThatDoesNotRankAsksNothing) {
    // A book whose last row beats any score this battle can make.
    std::string book;
    for (int r = 0; r < 5; ++r) book += std::string(20, ' ') + " 30000";
    dir.Write("gamedata/tables/table.dat", book);
    s.Level = 10;
    s.Kills = 1500;
    s.ShotCount = 10000;
    Tmr_kernel_Timer(g);
    Commands();
    EXPECT_EQ(rig.boxes.entries.size(), 0u);
    EXPECT_FALSE(Sent("MMControlSound(0)", "Stop"));
    EXPECT_EQ(g.windows.Visible(), "FrmWin");
    EXPECT_EQ(g.LblScore.Caption, "-4700");
    // The path as the system spells it (backslashes on Windows).
    const auto wav = std::find_if(seen.begin(), seen.end(),
                                  [](const auto& e) { return e.size() >= 2 && e[0] == "PlayWav"; });
    ASSERT_NE(wav, seen.end());
    EXPECT_EQ(std::filesystem::path((*wav)[1]),
              std::filesystem::path("/gamedata/sounds/victory.wav"));
}

TEST_F(BattleEndTest, RankingVictoryClearsTheFieldAndAsksTheName) {
    s.Level = 10;
    s.Kills = 1500;
    s.ModPoints = 100;
    s.Life = 50;
    rig.dialogs.Queue({ScriptedDialogs::Answer::Text, "Ярослава"});
    const int clears = g.noView.clears;
    const int scenes = g.noView.scenes;
    Tmr_kernel_Timer(g);
    Commands();
    EXPECT_EQ(g.noView.clears, clears + 1);
    EXPECT_EQ(g.noView.scenes, scenes);
    EXPECT_EQ(s.FinalScore, 100 + 4500 + 400);
    EXPECT_EQ(s.RecName(1), "Ярослава");
    EXPECT_EQ(s.RecScore(1), 5000);
    EXPECT_EQ(g.LblScore.Caption, "5000");
    EXPECT_EQ(g.windows.Visible(), "FrmWin");
    // The enemy sounds stop before the question, the music switches after it.
    ASSERT_GE(seen.size(), 6u);
    EXPECT_EQ(seen[0][0], "MMControlSound(0)");
    EXPECT_EQ(seen[4], (std::vector<std::string>{"about", "Play"}));
}

}  // namespace
}  // namespace krepogor::test
