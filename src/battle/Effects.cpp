#include "battle/Effects.h"

#include "state/Game.h"

namespace krepogor {
namespace {

// One effect slot: its frame number and the buffers and lists it shows.
template <typename Faza, typename Frames>
bool Step(Faza& faza, SpriteBuffer& pic, SpriteBuffer& mask, Frames& pics, Frames& masks) {
    if (!Frames::Has(faza)) faza = 1;  // a frame number from outside the list starts over
    pic.Put(pics(faza));
    mask.Put(masks(faza));
    faza = static_cast<Faza>(faza + 1);
    if (faza != 11) return false;
    faza = 1;
    pic.Put(pics(1));
    mask.Put(masks(1));
    return true;
}

}  // namespace

void TmrBum_Timer(Game& g) {
    BattleState& s = g.st;
    PictureSet& p = g.pics;
    for (int n = 0; n <= 5; ++n) {
        if (s.BumLive(n) && Step(s.BumFaza(n), g.buf.PicBumPic(n), g.buf.PicBumMask(n),
                                 p.ImgListBumPic, p.ImgListBumMask))
            s.BumLive(n) = false;
        if (s.VustrelLive(n) == -1 &&
            Step(s.VustrelFaza(n), g.buf.PicShotPic(n), g.buf.PicShotMask(n), p.ImgListShotPic,
                 p.ImgListShotMask))
            s.VustrelLive(n) = 0;
    }
}

}  // namespace krepogor
