#include "battle/Animation.h"

#include "state/Game.h"

namespace krepogor {

void TmrFazaMob4_Timer(Game& g) {
    BattleState& s = g.st;
    auto show = [&g](int e) {
        g.buf.PicMobPic(4).Put(g.pics.ImgMobPic4(e));
        g.buf.PicMobMask(4).Put(g.pics.ImgMobMask4(e));
    };
    s.FazaMob4 = s.FazaMob4 + 1;
    if (s.FazaMob4 == 1) show(0);
    if (s.FazaMob4 == 2 || s.FazaMob4 == 4) show(1);
    if (s.FazaMob4 == 3) show(2);
    if (s.FazaMob4 == 4) s.FazaMob4 = 0;
}

void TmrMob5_Timer(Game& g) {
    BattleState& s = g.st;
    auto show = [&g](int e) {
        g.buf.PicMobPic(5).Put(g.pics.ImgMobPic5(e));
        g.buf.PicMobMask(5).Put(g.pics.ImgMobMask5(e));
    };
    s.FazaMob5 = static_cast<int16_t>(s.FazaMob5 + 1);
    if (s.FazaMob5 == 1 || s.FazaMob5 == 3) show(0);
    if (s.FazaMob5 == 2 || s.FazaMob5 == 4) show(1);
    if (s.FazaMob5 == 4) s.FazaMob5 = 0;
}

}  // namespace krepogor
