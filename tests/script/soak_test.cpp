// Long battles played by a simple gunner on the real pictures, one after the
// other at every level: every tick is drawn, and the battle's invariants are
// checked after every step.
#include <gtest/gtest.h>

#include <filesystem>

#include "battle/BattleEnd.h"
#include "battle/Keys.h"
#include "codec/SdlPictureDecoder.h"
#include "frontend/BattleMenu.h"
#include "frontend/MainMenu.h"
#include "headless/Rig.h"
#include "render/PictureLoader.h"
#include "render/SceneView.h"
#include "script/Invariants.h"
#include "script/ScratchGameDir.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

// Starts the next battle at `level`, as if the kills had brought it there.
void NextBattle(Rig& rig, int level) {
    Game& g = rig.game;
    for (const char* w : {"FrmLost", "FrmWin"}) g.windows.Hide(w);
    lbl_new_game_Click(g);
    rig.Wait(5000);
    for (int l = 1; l < level; ++l) {
        g.st.Kills = LevelThreshold[l - 1];
        rig.Wait(20);  // one tick raises the level by one
    }
    g.st.Kills = level == 10 ? LevelThreshold[9] - 3 : g.st.Kills;
}

TEST(SoakTest, LongBattlesKeepTheirInvariantsAndDrawEveryFrame) {
    const fs::path root = KREPOGOR_SOURCE_DIR;
    if (!fs::exists(root / "gamedata/pics/map.jpg")) GTEST_SKIP() << "no game data";
    const fs::path dir = ScratchGameDir(root, "soak");
    Rig rig(dir.string());
    Game& g = rig.game;
    SceneView view(g);
    g.view = &view;
    int frames = 0;
    view.SetPresenter([&](const Canvas&) { ++frames; });
    SdlPictureDecoder decoder;
    LoadPictures(g.pics, decoder, (root / "resources").string(), dir.string());
    rig.random.Seed(2024);
    for (int i = 0; i < 20; ++i) rig.dialogs.Queue({ScriptedDialogs::Answer::Text, "Солдат"});
    frm_menu_Load(g);

    // The gunner sweeps the barrel, fires whenever a ball is free and buys
    // every upgrade it can afford. Ten virtual minutes of battle in all.
    int16_t sweep = vbKeyUp;
    int battles = 0, wins = 0;
    for (int step = 0; step < 30000; ++step) {
        if (!g.windows.IsVisible("frm_vustrel")) {
            wins += g.windows.IsVisible("FrmWin");
            static constexpr int levels[] = {10, 1, 5, 8, 3, 6, 9, 2, 4, 7};
            NextBattle(rig, levels[battles++ % 10]);
        }
        if (step % 7 == 0) {
            if (g.st.GunAngle == 90) sweep = vbKeyDown;
            if (g.st.GunAngle == 0) sweep = vbKeyUp;
            BattleWindow_Key(g, sweep);
        }
        BattleWindow_Key(g, vbKeySpace);
        for (int16_t key : {vbKeyC, vbKeyV, vbKeyB}) BattleWindow_Key(g, key);
        const int level = g.st.Level;
        rig.Wait(20);
        ExpectInvariants(g.st);
        if (HasFatalFailure()) return;
        if (g.windows.IsVisible("frm_vustrel")) {
            ASSERT_GE(g.st.Level, level);
        }
    }
    EXPECT_GE(battles, 3);
    EXPECT_GE(wins, 1);
    EXPECT_GT(frames, 20000);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace krepogor
