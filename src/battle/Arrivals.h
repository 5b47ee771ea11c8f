#pragma once

namespace krepogor {

class Game;

// One roll of the enemy timer: it may bring one enemy of an allowed kind whose
// slot is free onto the field at x = 1000.
void Tmr_mob_Timer(Game& g);

}  // namespace krepogor
