// When the desktop program may let the battle window's timers wait.
#include <gtest/gtest.h>

#include "desktop/TimersMayWait.h"
#include "frontend/BattleMenu.h"
#include "frontend/InfoScreens.h"
#include "frontend/MainMenu.h"
#include "headless/Rig.h"

namespace krepogor {
namespace {

TEST(TimersMayWait, OnlyWhileNoBattleShowsAndNoCountdownCanEnd) {
    Rig rig;
    Game& g = rig.game;
    frm_menu_Load(g);
    rig.Wait(3000);
    // The main menu: the hidden battle window's countdown counts below zero.
    ASSERT_LT(g.st.Count5, 0);
    EXPECT_TRUE(TimersMayWait(g));

    lbl_new_game_Click(g);
    EXPECT_FALSE(TimersMayWait(g)) << "the countdown shows";
    rig.Wait(6000);
    ASSERT_TRUE(g.frm_vustrel.Tmr_kernel.Enabled());
    EXPECT_FALSE(TimersMayWait(g)) << "the battle runs";

    // The rules over a held battle: nothing of it moves.
    BattleMenu_Click(g, "Rules");
    ASSERT_EQ(g.windows.Visible(), "FrmRules");
    EXPECT_TRUE(TimersMayWait(g));
}

TEST(TimersMayWait, NotWhileAHiddenBattleOrCountdownCouldRun) {
    Rig rig;
    Game& g = rig.game;
    frm_menu_Load(g);
    BattleForm& f = g.frm_vustrel;
    g.st.Count5 = 1;
    EXPECT_FALSE(TimersMayWait(g)) << "its next tick would start a battle";
    g.st.Count5 = 0;
    EXPECT_TRUE(TimersMayWait(g));
    f.Tmr_mob.Enabled(true);
    EXPECT_FALSE(TimersMayWait(g));
    f.Tmr_mob.Enabled(false);
    f.Tmr_kernel.Enabled(true);
    EXPECT_FALSE(TimersMayWait(g));
}

}  // namespace
}  // namespace krepogor
