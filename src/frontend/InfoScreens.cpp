#include "frontend/InfoScreens.h"

#include "battle/EnemySounds.h"
#include "state/Game.h"
#include "state/HoldBattle.h"
#include "state/MusicSwitch.h"

namespace krepogor {
namespace {

// Back from a screen that held the battle: the battle window, its timers as
// they were, and the engines of the enemies still on the field.
void BackToBattle(Game& g, const char* screen) {
    g.windows.Hide(screen);
    g.windows.Show("frm_vustrel");
    ReleaseBattle(g);
    RestartEnemySounds(g);
}

// A screen shown over the battle: the interlude plays, the engines fall
// silent and the battle is held until the screen closes.
void OverTheBattle(Game& g, const char* screen) {
    ToInterlude(g);
    StopEnemySounds(g);
    g.windows.Hide("frm_vustrel");
    g.windows.Show(screen);
    HoldBattle(g);
}

void BackToMenu(Game& g, const char* screen) {
    ToMainMusic(g);
    g.windows.Hide(screen);
    g.windows.Show("frm_menu");
    g.windows.Focus("frm_menu");
}

}  // namespace

void Rules_Click(Game& g) {
    OverTheBattle(g, "FrmRules");
}

void ExitFormRules(Game& g) {
    ToMainMusic(g);
    BackToBattle(g, "FrmRules");
}

void Cast_Click(Game& g) {
    g.st.CreditsFrom = "Vustrel";
    OverTheBattle(g, "frm_credits");
}

void lbl_credits_Click(Game& g) {
    g.st.CreditsFrom = "Main";
    if (g.st.MusicOn) {
        g.mm_menu().Command("Stop");
        g.about().Command("Play");
    }
    g.windows.Hide("frm_menu");
    g.windows.Show("frm_credits");
}

void ExitCredits(Game& g) {
    ToMainMusic(g);
    if (g.st.CreditsFrom == "Main") {
        g.windows.Hide("frm_credits");
        g.windows.Show("frm_menu");
    }
    if (g.st.CreditsFrom == "Vustrel") BackToBattle(g, "frm_credits");
}

void ExitFormLost(Game& g) {
    BackToMenu(g, "FrmLost");
}
void ExitFormWin(Game& g) {
    BackToMenu(g, "FrmWin");
}

}  // namespace krepogor
