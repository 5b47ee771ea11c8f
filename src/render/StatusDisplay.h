#pragma once

#include "render/Canvas.h"
#include "state/Game.h"

namespace krepogor {

// The player's numbers drawn digit by digit over the captions of the
// background: life with the percent sign, the two upgrade levels, kills, money
// with the dollar sign, and the battle level on the scroll. Fills the digit
// cells PicLife / PicLifeM and the scratch Zifra1..3 / ZifraIdx as it goes.
void DrawStatus(Game& g, Canvas& c);

}  // namespace krepogor
