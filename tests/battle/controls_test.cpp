#include <gtest/gtest.h>

#include <filesystem>

#include "battle/GunControls.h"
#include "battle/Keys.h"
#include "frontend/BattleMenu.h"
#include "state/ProgramEnded.h"
#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

class ControlsTest : public BattleFixture {
protected:
    void Key(int16_t code) { Form_KeyDown(g, code, 0); }
    std::vector<bool> TimerStates() {
        const auto& f = g.frm_vustrel;
        return {f.Tmr_kernel.Enabled(), f.Tmr_mob.Enabled(),     f.TmrBum.Enabled(),
                f.TmrMob5.Enabled(),    f.TmrFazaMob4.Enabled(), f.tmr_fc.Enabled()};
    }
};

TEST_F(ControlsTest, GunRisesInStepsUpToNinetyAndThePictureFollows) {
    s.GunAngle = 0;
    const int expected[] = {15, 30, 45, 60, 75, 90, 90};
    for (int a : expected) {
        Key(vbKeyUp);
        EXPECT_EQ(s.GunAngle, a);
        EXPECT_EQ(g.buf.PicGunPic.Held()->Name, "ImgGunPic(" + std::to_string(a / 15) + ")");
        EXPECT_EQ(g.buf.PicGunMask.Held()->Name, "ImgGunMask(" + std::to_string(a / 15) + ")");
    }
    for (int i = 0; i < 8; ++i) Key(vbKeyDown);
    EXPECT_EQ(s.GunAngle, 0);
}

TEST_F(ControlsTest, FourthShotDoesNothing) {
    for (int i = 0; i < 3; ++i) Key(vbKeySpace);
    Commands();
    EXPECT_EQ(seen.size(), 3u);  // the shot sound each time
    ASSERT_EQ(seen[0].size(), 2u);
    EXPECT_EQ(seen[0][0], "PlayWav");
    EXPECT_EQ(std::filesystem::path(seen[0][1]),
              std::filesystem::path("/gamedata/sounds/shot.wav"));
    Key(vbKeySpace);
    Commands();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(s.ShotCount, 3);
    EXPECT_EQ(s.VustrelLive(3), 0);
}

TEST_F(ControlsTest, ShotTakesFirstFreeSlotAndFlash) {
    s.GunAngle = 60;
    s.VustrelLive(0) = -1;
    s.KernelFly(1) = -1;
    Key(vbKeySpace);
    EXPECT_EQ(s.KernelFly(2), -1);
    EXPECT_EQ(s.KernelAngle(2), 60);
    EXPECT_FLOAT_EQ(s.KernelRad(2), static_cast<float>(3.1415 * 60 / 180));
    EXPECT_EQ(s.VustrelLive(1), -1);
    EXPECT_EQ(s.VustrelX(1), 69);
    EXPECT_EQ(s.VustrelY(1), 368);
}

TEST_F(ControlsTest, SeventhFlashIsSkippedButTheShotFires) {
    s.VustrelLive.Fill(-1);
    Key(vbKeySpace);
    EXPECT_EQ(s.KernelFly(1), -1);
    EXPECT_EQ(s.ShotCount, 1);
}

TEST_F(ControlsTest, SilentShotWithSoundOffOrNoFile) {
    s.SoundOn = 0;
    Key(vbKeySpace);
    Commands();
    EXPECT_TRUE(seen.empty());
    s.SoundOn = -1;
    std::filesystem::remove(std::filesystem::path(dir.path()) / "gamedata/sounds/shot.wav");
    Key(vbKeySpace);
    Commands();
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(s.ShotCount, 2);
}

TEST_F(ControlsTest, UpgradesAtTheirPriceBoundaries) {
    s.ModPoints = 300;
    Key(vbKeyC);
    EXPECT_EQ(s.ModPoints, 0);
    EXPECT_EQ(s.DtLevel, 2);
    EXPECT_DOUBLE_EQ(s.KernelDt, 0.10);
    s.ModPoints = 299;
    Key(vbKeyC);
    EXPECT_EQ(s.DtLevel, 2);
    s.ModPoints = 250;
    Key(vbKeyV);
    EXPECT_EQ(s.ForceLevel, 2);
    EXPECT_FLOAT_EQ(s.KernelSpeed, 60);
    s.ModPoints = 100000;
    for (int i = 0; i < 12; ++i) {
        Key(vbKeyC);
        Key(vbKeyV);
    }
    EXPECT_EQ(s.DtLevel, 10);
    EXPECT_EQ(s.ForceLevel, 10);
    EXPECT_NEAR(s.KernelDt, 0.18, 1e-12);
    EXPECT_FLOAT_EQ(s.KernelSpeed, 100);
    s.Life = 75;
    Key(vbKeyB);
    EXPECT_EQ(s.Life, 100);
    s.Life = 76;
    Key(vbKeyB);
    EXPECT_EQ(s.Life, 76);
}

TEST_F(ControlsTest, UpgradeAreasBuyAndShowTheHandWhenTheyCan) {
    s.ModPoints = 260;
    LblMod_MouseMove(g, 0);
    LblMod_MouseMove(g, 1);
    EXPECT_EQ(g.frm_vustrel.LblModPointer(0), PointerDefault);
    EXPECT_EQ(g.frm_vustrel.LblModPointer(1), PointerCustom);
    LblMod_Click(g, 0);
    EXPECT_EQ(s.ModPoints, 260);
    LblMod_Click(g, 1);
    EXPECT_EQ(s.ModPoints, 10);
    LblMod_MouseMove(g, 1);
    EXPECT_EQ(g.frm_vustrel.LblModPointer(1), PointerDefault);
}

TEST_F(ControlsTest, EscThenNoLeavesEveryTimerAsItWas) {
    const auto before = TimerStates();
    rig.dialogs.Queue({ScriptedDialogs::Answer::No, ""});
    Key(vbKeyEscape);
    EXPECT_EQ(TimerStates(), before);
    ASSERT_EQ(rig.boxes.entries.size(), 1u);
    EXPECT_EQ(rig.boxes.entries[0][1], "Крепогор");
    EXPECT_EQ(rig.boxes.entries[0][2], "Выйти из игры?");
}

TEST_F(ControlsTest, EscThenYesShutsDown) {
    rig.dialogs.Queue({ScriptedDialogs::Answer::Yes, ""});
    EXPECT_THROW(Key(vbKeyEscape), ProgramEnded);
    Commands();
    EXPECT_TRUE(Sent("mm_menu", "Close"));
    EXPECT_TRUE(Sent("MMControlBum(6)", "Close"));
    EXPECT_FALSE(Sent("about", "Close"));
    EXPECT_EQ(g.windows.Visible(), "");
}

TEST_F(ControlsTest, PauseStopsAndResumesMusicAndEnemySounds) {
    PlaceEnemy(2, 600, 435);
    rig.dialogs.Queue({ScriptedDialogs::Answer::OK, ""});
    Key(vbKeyP);
    Commands();
    EXPECT_TRUE(Sent("mm_menu", "Stop"));
    EXPECT_TRUE(Sent("MMControlSound(1)", "Stop"));
    EXPECT_TRUE(Sent("mm_menu", "Play"));
    EXPECT_TRUE(Sent("MMControlSound(1)", "Play"));
    EXPECT_FALSE(Sent("MMControlSound(0)", "Play"));
    s.SoundOn = 0;
    s.MusicOn = false;
    rig.dialogs.Queue({ScriptedDialogs::Answer::OK, ""});
    const auto before = TimerStates();
    Key(vbKeyP);
    Commands();
    EXPECT_TRUE(Sent("mm_menu", "Stop"));  // stopped whether the music is on or not
    EXPECT_FALSE(Sent("mm_menu", "Play"));
    EXPECT_FALSE(Sent("MMControlSound(1)", "Play"));
    EXPECT_EQ(TimerStates(), before);
}

TEST_F(ControlsTest, FunctionKeysRunTheirMenuItems) {
    EXPECT_EQ(MenuItemForKey(vbKeyF1), "Rules");
    EXPECT_EQ(MenuItemForKey(vbKeyF1 + 1), "NG");
    EXPECT_EQ(MenuItemForKey(vbKeyF1 + 7), "Exiting");
    EXPECT_EQ(MenuItemForKey(vbKeyP), "");
    s.Life = 30;
    BattleWindow_Key(g, vbKeyF1 + 1);
    EXPECT_EQ(s.Life, 100);
    BattleWindow_Key(g, vbKeyF1 + 3);
    EXPECT_EQ(s.SoundOn, 0);
    EXPECT_FALSE(g.frm_vustrel.Sound_Checked);
    BattleWindow_Key(g, vbKeyF1 + 2);
    EXPECT_FALSE(s.MusicOn);
}

}  // namespace
}  // namespace krepogor::test
