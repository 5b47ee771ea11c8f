#include "battle/Effects.h"

#include <gtest/gtest.h>

#include "battle/Animation.h"
#include "battle/Pause.h"
#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

using EffectsTest = BattleFixture;

TEST_F(EffectsTest, ExplosionShowsFramesOneToNineThenFrees) {
    s.BumLive(2) = true;
    for (int frame = 1; frame <= 9; ++frame) {
        TmrBum_Timer(g);
        EXPECT_EQ(g.buf.PicBumPic(2).Held()->Name, "ImgListBumPic(" + std::to_string(frame) + ")");
        EXPECT_EQ(g.buf.PicBumMask(2).Held()->Name,
                  "ImgListBumMask(" + std::to_string(frame) + ")");
        EXPECT_TRUE(s.BumLive(2));
    }
    TmrBum_Timer(g);  // frame 10 is replaced at once by frame 1
    EXPECT_FALSE(s.BumLive(2));
    EXPECT_EQ(s.BumFaza(2), 1);
    EXPECT_EQ(g.buf.PicBumPic(2).Held()->Name, "ImgListBumPic(1)");
}

TEST_F(EffectsTest, FlashAndExplosionOfOneSlotRunIndependently) {
    s.BumLive(0) = true;
    TmrBum_Timer(g);
    TmrBum_Timer(g);
    s.VustrelLive(0) = -1;
    for (int i = 0; i < 8; ++i) TmrBum_Timer(g);
    EXPECT_FALSE(s.BumLive(0));
    EXPECT_EQ(s.VustrelLive(0), -1);
    EXPECT_EQ(s.VustrelFaza(0), 9);
    EXPECT_EQ(g.buf.PicShotPic(0).Held()->Name, "ImgListShotPic(8)");
    TmrBum_Timer(g);
    TmrBum_Timer(g);
    EXPECT_EQ(s.VustrelLive(0), 0);
    EXPECT_EQ(g.buf.PicShotMask(0).Held()->Name, "ImgListShotMask(1)");
}

TEST_F(EffectsTest, PauseFreezesAnExplosionOnItsFrame) {
    rig.Wait(1);  // off the timer grid, so the next tick is 19 ms away
    s.BumLive(1) = true;
    rig.Wait(60);  // three ticks
    EXPECT_EQ(s.BumFaza(1), 4);
    rig.dialogs.Queue({ScriptedDialogs::Answer::OK, ""});
    Pauses(g);
    EXPECT_EQ(s.BumFaza(1), 4);
    rig.Wait(19);
    EXPECT_EQ(s.BumFaza(1), 4);
    rig.Wait(1);
    EXPECT_EQ(s.BumFaza(1), 5);
}

TEST_F(EffectsTest, ReptileWingsSwingZeroOneTwoOne) {
    s.FazaMob4 = 0;
    std::string shown;
    for (int i = 0; i < 8; ++i) {
        TmrFazaMob4_Timer(g);
        shown += g.buf.PicMobPic(4).Held()->Name.substr(11, 1);
        EXPECT_EQ(g.buf.PicMobMask(4).Held()->Name.substr(12, 1), shown.substr(shown.size() - 1));
    }
    EXPECT_EQ(shown, "01210121");
    EXPECT_EQ(s.FazaMob4, 0);
}

TEST_F(EffectsTest, JetFlameAlternates) {
    s.FazaMob5 = 0;
    std::string shown;
    for (int i = 0; i < 6; ++i) {
        TmrMob5_Timer(g);
        shown += g.buf.PicMobPic(5).Held()->Name.substr(11, 1);
    }
    EXPECT_EQ(shown, "010101");
}

}  // namespace
}  // namespace krepogor::test
