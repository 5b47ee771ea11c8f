#include <gtest/gtest.h>

#include <filesystem>

#include "headless/Rig.h"
#include "state/AppPath.h"
#include "state/HoldBattle.h"
#include "state/PictureSet.h"
#include "state/Windows.h"

namespace krepogor {
namespace {

TEST(PictureSetTest, NamesSizesAndFilesTraceToEachOther) {
    PictureSet p;
    EXPECT_EQ(p.ImgGunPic(6).Name, "ImgGunPic(6)");
    EXPECT_EQ(p.ImgListBumPic(11).Name, "ImgListBumPic(11)");
    EXPECT_EQ(p.ImgZifra(11).Width, 18);
    EXPECT_EQ(p.ImgZifra(10).Width, 12);
    EXPECT_EQ(p.ImgMobPic5(1).Width, 144);
    EXPECT_EQ(ResourceFileName("ImgZifraRed(10)"), "ImgZifraRed_10.png");
    EXPECT_EQ(ResourceFileName("ImgKernelMask"), "ImgKernelMask.png");
    int sprites = 0;
    p.ForEachSprite([&](Picture& pic) {
        ++sprites;
        EXPECT_GT(pic.Width, 0) << pic.Name;
    });
    // 14 gun, 2 ball, 6 + 6 + 4 + 2 enemy, 20 flash, 22 explosion, 3 lamp,
    // 24 digit, 10 red digit, 1 cursor.
    EXPECT_EQ(sprites, 114);
}

// Compared as paths: on Windows the system's own separator joins them.
TEST(AppPathTest, GamePathsBecomeSystemPaths) {
    using std::filesystem::path;
    EXPECT_EQ(path(AppPath("/opt/game", "\\gamedata\\sounds\\shot.wav")),
              path("/opt/game/gamedata/sounds/shot.wav"));
    EXPECT_EQ(path(AppPath("/opt/game/", "\\gamedata\\pics\\map.jpg")),
              path("/opt/game/gamedata/pics/map.jpg"));
}

TEST(WindowsTest, NamesTheVisibleWindow) {
    Windows w;
    EXPECT_EQ(w.Visible(), "");
    w.Show("FrmWin");
    EXPECT_EQ(w.Visible(), "FrmWin");
    w.Hide("FrmWin");
    EXPECT_FALSE(w.IsVisible("FrmWin"));
    EXPECT_THROW(w.Show("frm_nowhere"), std::invalid_argument);
}

TEST(HoldBattleTest, ReleasesExactlyTheTimersThatRanAndHoldingTwiceIsHarmless) {
    Rig rig;
    BattleForm& f = rig.game.frm_vustrel;
    f.TmrBum.Enabled(true);
    f.tmr_fc.Enabled(true);
    HoldBattle(rig.game);
    for (const Timer* t : rig.timers.Timers()) EXPECT_FALSE(t->Enabled()) << t->Name();
    EXPECT_EQ(rig.game.st.WasTmrBum, 1);
    EXPECT_EQ(rig.game.st.WasTmr_kernel, 0);
    ReleaseBattle(rig.game);
    EXPECT_TRUE(f.TmrBum.Enabled());
    EXPECT_TRUE(f.tmr_fc.Enabled());
    EXPECT_FALSE(f.Tmr_kernel.Enabled());
    EXPECT_FALSE(f.TmrMob5.Enabled());
    HoldBattle(rig.game);
    ReleaseBattle(rig.game);
    EXPECT_TRUE(f.TmrBum.Enabled());
    EXPECT_FALSE(f.Tmr_mob.Enabled());
}

}  // namespace
}  // namespace krepogor
