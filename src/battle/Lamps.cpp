#include "battle/Lamps.h"

#include "battle/Upgrades.h"
#include "state/Game.h"

namespace krepogor {

void RefreshLamps(Game& g) {
    for (int n = 0; n <= 2; ++n) g.buf.PicZU(n).Put(CanBuy(g.st, n) ? g.pics.ImgZA : g.pics.ImgZNA);
}

}  // namespace krepogor
