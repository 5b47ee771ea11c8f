#include "state/HoldBattle.h"

#include "state/Game.h"

namespace krepogor {

void HoldBattle(Game& g) {
    BattleState& s = g.st;
    BattleForm& f = g.frm_vustrel;
    s.WasTmrMob5 = f.TmrMob5.Enabled() ? 1 : 0;
    s.WasTmrFazaMob4 = f.TmrFazaMob4.Enabled() ? 1 : 0;
    s.WasTmr_fc = f.tmr_fc.Enabled() ? 1 : 0;
    s.WasTmr_kernel = f.Tmr_kernel.Enabled() ? 1 : 0;
    s.WasTmr_mob = f.Tmr_mob.Enabled() ? 1 : 0;
    s.WasTmrBum = f.TmrBum.Enabled() ? 1 : 0;
    StopBattleTimers(g);
}

void StopBattleTimers(Game& g) {
    BattleForm& f = g.frm_vustrel;
    f.TmrMob5.Enabled(false);
    f.TmrFazaMob4.Enabled(false);
    f.tmr_fc.Enabled(false);
    f.Tmr_kernel.Enabled(false);
    f.Tmr_mob.Enabled(false);
    f.TmrBum.Enabled(false);
}

void ReleaseBattle(Game& g) {
    const BattleState& s = g.st;
    BattleForm& f = g.frm_vustrel;
    if (s.WasTmrMob5 == 1) f.TmrMob5.Enabled(true);
    if (s.WasTmrFazaMob4 == 1) f.TmrFazaMob4.Enabled(true);
    if (s.WasTmr_fc == 1) f.tmr_fc.Enabled(true);
    if (s.WasTmr_kernel == 1) f.Tmr_kernel.Enabled(true);
    if (s.WasTmr_mob == 1) f.Tmr_mob.Enabled(true);
    if (s.WasTmrBum == 1) f.TmrBum.Enabled(true);
}

}  // namespace krepogor
