#pragma once

namespace krepogor {

class Game;

// Wing beats of the flying reptile (kind 4): pictures 0, 1, 2, 1, ... every 100 ms.
void TmrFazaMob4_Timer(Game& g);
// Flame of the jet machine (kind 5): pictures 0, 1, 0, 1, ... every 50 ms.
void TmrMob5_Timer(Game& g);

}  // namespace krepogor
