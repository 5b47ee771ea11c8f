#pragma once

namespace krepogor {

class Game;

// Each upgrade lamp shows the green cogwheel when its upgrade can be bought
// now, the red one otherwise.
void RefreshLamps(Game& g);

}  // namespace krepogor
