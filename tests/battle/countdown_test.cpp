#include <gtest/gtest.h>

#include "battle/NewGame.h"
#include "battle/Pause.h"
#include "frontend/MainMenu.h"
#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

using CountdownTest = BattleFixture;

bool BattleTimersOn(const BattleForm& f) {
    return f.Tmr_kernel.Enabled() && f.Tmr_mob.Enabled();
}

TEST_F(CountdownTest, FiveFourThreeTwoOneThenTheBattle) {
    NewGame(g);
    EXPECT_EQ(g.frm_vustrel.Lbl_Count.Caption, "5");
    EXPECT_TRUE(g.frm_vustrel.Lbl_Count.Visible);
    EXPECT_FALSE(BattleTimersOn(g.frm_vustrel));
    for (const char* shown : {"4", "3", "2", "1"}) {
        rig.Wait(999);
        EXPECT_NE(g.frm_vustrel.Lbl_Count.Caption, shown);
        rig.Wait(1);
        EXPECT_EQ(g.frm_vustrel.Lbl_Count.Caption, shown);
        EXPECT_FALSE(BattleTimersOn(g.frm_vustrel));
    }
    rig.Wait(1000);
    EXPECT_EQ(g.frm_vustrel.Lbl_Count.Caption, "0");
    EXPECT_FALSE(g.frm_vustrel.Lbl_Count.Visible);
    EXPECT_TRUE(BattleTimersOn(g.frm_vustrel));
    EXPECT_FALSE(g.frm_vustrel.tmr_fc.Enabled());
    EXPECT_EQ(g.buf.PicLife(7).Held()->Name, "ImgZifra(1)");
}

TEST_F(CountdownTest, NewGameMidBattleClearsTheField) {
    PlaceEnemy(3, 500, 400);
    PlaceBall(2, 300, 300);
    s.BumLive(4) = true;
    s.VustrelLive(5) = -1;
    s.Life = 40;
    s.MusicOn = false;
    s.SoundOn = 0;
    NewGame(g);
    Commands();
    EXPECT_FALSE(BattleTimersOn(g.frm_vustrel));
    EXPECT_EQ(s.MobLive(3), 0);
    EXPECT_EQ(s.KernelFly(2), 0);
    EXPECT_FALSE(s.BumLive(4));
    EXPECT_EQ(s.VustrelLive(5), 0);
    EXPECT_EQ(s.Life, 100);
    EXPECT_EQ(s.GunAngle, 15);
    EXPECT_EQ(g.buf.PicGunPic.Held()->Name, "ImgGunPic(1)");
    EXPECT_FALSE(s.MusicOn);  // settings survive a new battle
    EXPECT_EQ(s.SoundOn, 0);
    for (int i = 0; i <= 3; ++i)
        EXPECT_TRUE(Sent("MMControlSound(" + std::to_string(i) + ")", "Stop"));
    for (const auto& e : seen) EXPECT_NE(e[0].rfind("MMControlBum", 0), 0u) << e[0];
}

TEST_F(CountdownTest, NewGameDuringTheCountdownStartsItAgain) {
    NewGame(g);
    rig.Wait(2500);
    EXPECT_EQ(g.frm_vustrel.Lbl_Count.Caption, "3");
    NewGame(g);
    EXPECT_EQ(g.frm_vustrel.Lbl_Count.Caption, "5");
    rig.Wait(999);
    EXPECT_EQ(g.frm_vustrel.Lbl_Count.Caption, "5");
    rig.Wait(4001);
    EXPECT_TRUE(BattleTimersOn(g.frm_vustrel));
}

TEST_F(CountdownTest, PauseDuringTheCountdownResumesIt) {
    NewGame(g);
    rig.Wait(2000);
    rig.dialogs.Queue({ScriptedDialogs::Answer::OK, ""});
    Pauses(g);
    EXPECT_TRUE(g.frm_vustrel.tmr_fc.Enabled());
    EXPECT_FALSE(BattleTimersOn(g.frm_vustrel));
    rig.Wait(3000);
    EXPECT_TRUE(BattleTimersOn(g.frm_vustrel));
}

TEST_F(CountdownTest, CountdownBeforeTheFirstBattleRunsNegative) {
    Rig fresh(dir.path());
    frm_menu_Load(fresh.game);
    fresh.Wait(3000);
    EXPECT_EQ(fresh.game.st.Count5, -3);
    EXPECT_EQ(fresh.game.frm_vustrel.Lbl_Count.Caption, "-3");
    EXPECT_FALSE(fresh.game.frm_vustrel.Tmr_kernel.Enabled());
}

}  // namespace
}  // namespace krepogor::test
