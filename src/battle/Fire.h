#pragma once

namespace krepogor {

class Game;

// Space: fires from the first free cannonball slot with the shot sound and a
// muzzle flash; with three balls in flight it does nothing.
void Fire(Game& g);

}  // namespace krepogor
