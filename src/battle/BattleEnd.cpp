#include "battle/BattleEnd.h"

#include "battle/EnemySounds.h"
#include "state/Game.h"
#include "state/HoldBattle.h"
#include "state/MusicSwitch.h"
#include "state/NumberText.h"
#include "state/PlayWav.h"

namespace krepogor {
namespace {

void Defeat(Game& g) {
    ToInterlude(g);
    StopEnemySounds(g);
    g.windows.Hide("frm_vustrel");
    g.windows.Show("FrmLost");
    StopBattleTimers(g);
}

void RaiseLevels(Game& g) {
    BattleState& s = g.st;
    for (int level = 1; level <= 9; ++level) {
        if (s.Level != level || s.Kills < LevelThreshold[level - 1]) continue;
        s.Level = static_cast<int16_t>(s.Level + 1);
        s.MobRange = s.MobRange - 1;
        s.MobSpeedBase = s.MobSpeedBase + 0.5f;
        if (s.Level <= 9) {
            g.buf.PicLifeM(7).Put(g.pics.ImgZifraM(s.Level));
            g.buf.PicLife(7).Put(g.pics.ImgZifra(s.Level));
        }
    }
}

void Victory(Game& g) {
    BattleState& s = g.st;
    s.FinalScore = ComputeFinalScore(s);
    g.frm_vustrel.Tmr_kernel.Enabled(false);
    if (g.frontEnd.BookUpdate) g.frontEnd.BookUpdate();
    ToInterlude(g);
    PlayWav(g, "\\gamedata\\sounds\\victory.wav");
    g.windows.Hide("frm_vustrel");
    g.windows.Show("FrmWin");
    g.LblScore.Caption = NumberText(s.FinalScore);
    StopBattleTimers(g);
}

}  // namespace

int64_t ComputeFinalScore(const BattleState& s) {
    return int64_t{s.ModPoints} + 3 * int64_t{s.Kills} + 8 * int64_t{s.Life} +
           250 * (int64_t{s.ForceLevel} - 1) + 300 * (int64_t{s.DtLevel} - 1) - s.ShotCount;
}

bool SettleBattle(Game& g) {
    BattleState& s = g.st;
    if (s.Life == 0 && s.ModPoints >= 250) {
        s.Life = static_cast<int16_t>(s.Life + 25);
        s.ModPoints = s.ModPoints - 250;
    }
    if (s.Life <= 0) {
        Defeat(g);
        return true;
    }
    RaiseLevels(g);
    if (s.Level == 10 && s.Kills >= LevelThreshold[9]) {
        Victory(g);
        return true;
    }
    return false;
}

}  // namespace krepogor
