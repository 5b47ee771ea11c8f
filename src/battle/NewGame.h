#pragma once

namespace krepogor {

class Game;

// Starts a new battle: resets the battle, clears the field, draws the gun and
// arms the five-second countdown. Callable at any time, also mid-battle.
void NewGame(Game& g);
// The battle menu's "Новая" (F2).
void NG_Click(Game& g);
// One second of the countdown; at 0 the battle timers start.
void tmr_fc_Timer(Game& g);

}  // namespace krepogor
