#pragma once

namespace krepogor {

class Game;

// Steps every live explosion and muzzle flash to its next frame and frees a
// slot after its tenth tick.
void TmrBum_Timer(Game& g);

}  // namespace krepogor
