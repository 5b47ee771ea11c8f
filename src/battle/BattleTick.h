#pragma once

namespace krepogor {

class Game;

// One 20 ms step of the battle: hits, flight, enemy steps, life, level and
// battle end, upgrade lamps, then the redraw.
void Tmr_kernel_Timer(Game& g);

// The same step without the redraw; true when the battle ended in it.
bool AdvanceBattle(Game& g);

}  // namespace krepogor
