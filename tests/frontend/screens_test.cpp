#include <gtest/gtest.h>

#include "battle/BattleTick.h"
#include "frontend/BattleMenu.h"
#include "frontend/BookWindow.h"
#include "frontend/CloseBox.h"
#include "frontend/InfoScreens.h"
#include "frontend/MainMenu.h"
#include "state/ProgramEnded.h"
#include "support/BattleFixture.h"

namespace krepogor::test {
namespace {

class ScreensTest : public BattleFixture {
protected:
    std::vector<bool> TimerStates() {
        const auto& f = g.frm_vustrel;
        return {f.Tmr_kernel.Enabled(), f.Tmr_mob.Enabled(),     f.TmrBum.Enabled(),
                f.TmrMob5.Enabled(),    f.TmrFazaMob4.Enabled(), f.tmr_fc.Enabled()};
    }
    std::vector<std::vector<std::string>> MusicCommands() {
        std::vector<std::vector<std::string>> music;
        for (const auto& e : Commands())
            if (e[0] == "mm_menu" || e[0] == "about") music.push_back(e);
        return music;
    }
    using Cmds = std::vector<std::vector<std::string>>;
};

TEST_F(ScreensTest, RulesHoldTheBattleAndResumeItExactly) {
    PlaceEnemy(3, 700, 400);
    s.MobSpeed(3) = 2;
    PlaceBall(1, 300, 300);
    s.BumLive(2) = true;
    rig.Wait(40);
    const auto before = TimerStates();
    const float x = s.MobX(3), ballX = s.KernelX(1);
    const int faza = s.BumFaza(2);
    Commands();
    BattleMenu_Click(g, "Rules");
    EXPECT_EQ(g.windows.Visible(), "FrmRules");
    Commands();
    EXPECT_TRUE(Sent("MMControlSound(2)", "Stop"));
    EXPECT_TRUE(Sent("about", "Play"));
    rig.Wait(5000);  // nothing moves behind the rules
    EXPECT_EQ(s.MobX(3), x);
    EXPECT_EQ(s.KernelX(1), ballX);
    EXPECT_EQ(s.BumFaza(2), faza);
    ScreenClick(g, "FrmRules");
    EXPECT_EQ(g.windows.Visible(), "frm_vustrel");
    EXPECT_EQ(TimerStates(), before);
    Commands();
    EXPECT_TRUE(Sent("MMControlSound(2)", "Play"));
    EXPECT_FALSE(Sent("MMControlSound(0)", "Play"));
    EXPECT_TRUE(Sent("mm_menu", "Play"));
}

TEST_F(ScreensTest, RulesDuringTheCountdownKeepTheBattleTimersOff) {
    lbl_new_game_Click(g);
    rig.Wait(1500);
    BattleMenu_Click(g, "Rules");
    CloseRequest(g, "FrmRules");  // the close box does what a click does
    EXPECT_FALSE(g.frm_vustrel.Tmr_kernel.Enabled());
    EXPECT_TRUE(g.frm_vustrel.tmr_fc.Enabled());
    rig.Wait(3999);  // the countdown's second starts afresh when it runs again
    EXPECT_FALSE(g.frm_vustrel.Tmr_kernel.Enabled());
    rig.Wait(1);
    EXPECT_TRUE(g.frm_vustrel.Tmr_kernel.Enabled());
}

TEST_F(ScreensTest, WithMusicOffScreensSendNoMusicButStillSilenceEngines) {
    s.MusicOn = false;
    s.SoundOn = 0;
    PlaceEnemy(1, 700, 435);
    Commands();
    BattleMenu_Click(g, "Cast");
    EXPECT_EQ(g.windows.Visible(), "frm_credits");
    EXPECT_EQ(s.CreditsFrom, "Vustrel");
    Commands();
    EXPECT_TRUE(Sent("MMControlSound(0)", "Stop"));
    ScreenClick(g, "frm_credits");
    EXPECT_EQ(g.windows.Visible(), "frm_vustrel");
    EXPECT_TRUE(MusicCommands().empty());
    EXPECT_FALSE(Sent("MMControlSound(0)", "Play"));  // sound is off
}

TEST_F(ScreensTest, CreditsFromTheMainMenuReturnThere) {
    rig.Wait(20);
    g.windows.Hide("frm_vustrel");
    g.windows.Show("frm_menu");
    const auto before = TimerStates();
    Commands();
    lbl_credits_Click(g);
    EXPECT_EQ(MusicCommands(), (Cmds{{"mm_menu", "Stop"}, {"about", "Play"}}));
    ExitCredits(g);
    EXPECT_EQ(g.windows.Visible(), "frm_menu");
    EXPECT_EQ(TimerStates(), before);  // nothing was held
    EXPECT_EQ(MusicCommands(), (Cmds{{"mm_menu", "Play"}, {"about", "Stop"}}));
}

TEST_F(ScreensTest, DefeatAndVictoryScreensLeadToTheMainMenu) {
    s.Life = 0;
    rig.Wait(20);
    ASSERT_EQ(g.windows.Visible(), "FrmLost");
    Commands();
    ExitFormLost(g);
    EXPECT_EQ(g.windows.Visible(), "frm_menu");
    EXPECT_EQ(g.windows.Focused(), "frm_menu");
    EXPECT_EQ(MusicCommands(), (Cmds{{"mm_menu", "Play"}, {"about", "Stop"}}));
    for (const bool on : TimerStates()) EXPECT_FALSE(on);
}

TEST_F(ScreensTest, BookWindowShowsTheRowsEveryTime) {
    dir.Write("gamedata/tables/table.dat", std::string("\xC6\xE4\xE0\xED") + std::string(16, ' ') +
                                               " 900  " + std::string(26 * 4, ' '));
    EXPECT_EQ(g.FrmRecords.LabelName(0), "Велесов Ждан");
    BattleMenu_Click(g, "Records");
    EXPECT_EQ(g.windows.Visible(), "FrmRecords");
    EXPECT_EQ(g.FrmRecords.LabelName(0), "Ждан");
    EXPECT_EQ(g.FrmRecords.LabelScore(0), "900");
    EXPECT_EQ(g.FrmRecords.LabelName(1), "");
    EXPECT_EQ(g.FrmRecords.LabelScore(4), "0");
    EXPECT_FALSE(g.frm_vustrel.Tmr_kernel.Enabled());
    ScreenClick(g, "FrmRecords");
    EXPECT_TRUE(g.frm_vustrel.Tmr_kernel.Enabled());
}

TEST_F(ScreensTest, BookWithMusicOffStopsNoEngineButRestartsThem) {
    s.MusicOn = false;
    PlaceEnemy(6, 700, 145);
    Commands();
    BattleMenu_Click(g, "Records");
    EXPECT_FALSE(Sent("MMControlSound(3)", "Stop"));
    ExitFormRecords(g);
    EXPECT_TRUE(MusicCommands().empty());
    EXPECT_TRUE(Sent("MMControlSound(3)", "Play"));
}

TEST_F(ScreensTest, CloseBoxesOfTheMainWindowsEndTheProgramOnce) {
    EXPECT_THROW(CloseRequest(g, "frm_vustrel"), ProgramEnded);
    EXPECT_TRUE(g.ShuttingDown);
    Commands();
    CloseRequest(g, "frm_menu");  // ignored while shutting down
    Commands();
    EXPECT_TRUE(seen.empty());
}

TEST_F(ScreensTest, MenuExitAreaEndsWithoutAQuestion) {
    EXPECT_THROW(lbl_exit_Click(g), ProgramEnded);
    EXPECT_TRUE(rig.boxes.entries.empty());
}

}  // namespace
}  // namespace krepogor::test
