#pragma once

namespace krepogor {

class Game;

// Note which of the six battle timers run, then stop them all.
void HoldBattle(Game& g);
// Start again exactly the timers that ran when the battle was held.
void ReleaseBattle(Game& g);
// Stop the six battle timers: TmrMob5, TmrFazaMob4, tmr_fc, Tmr_kernel,
// Tmr_mob, TmrBum, in that order.
void StopBattleTimers(Game& g);

}  // namespace krepogor
