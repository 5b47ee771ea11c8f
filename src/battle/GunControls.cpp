#include "battle/GunControls.h"

#include "battle/ExitQuestion.h"
#include "battle/Fire.h"
#include "battle/GunFrame.h"
#include "battle/Keys.h"
#include "battle/Pause.h"
#include "battle/Upgrades.h"
#include "state/Game.h"

namespace krepogor {

void Form_KeyDown(Game& g, int16_t KeyCode, int16_t /*Shift*/) {
    BattleState& s = g.st;
    if (KeyCode == vbKeyEscape) ExitQuestion(g);
    if (KeyCode == vbKeyP) Pauses(g);
    if (KeyCode == vbKeyUp) {
        s.GunAngle = static_cast<int16_t>(s.GunAngle + 15);
        if (s.GunAngle > 90) s.GunAngle = 90;
    }
    if (KeyCode == vbKeyDown) {
        s.GunAngle = static_cast<int16_t>(s.GunAngle - 15);
        if (s.GunAngle < 0) s.GunAngle = 0;
    }
    const int n = GunFrame(s.GunAngle);
    g.buf.PicGunPic.Put(g.pics.ImgGunPic(n));
    g.buf.PicGunMask.Put(g.pics.ImgGunMask(n));
    if (KeyCode == vbKeyC) BuySpeed(s);
    if (KeyCode == vbKeyV) BuyForce(s);
    if (KeyCode == vbKeyB) BuyRepair(s);
    if (KeyCode == vbKeySpace) Fire(g);
}

void LblMod_Click(Game& g, int16_t Index) {
    if (Index >= 0 && Index <= 2) Buy(g.st, Index);
}

void LblMod_MouseMove(Game& g, int16_t Index) {
    if (Index < 0 || Index > 2) return;
    g.frm_vustrel.LblModPointer(Index) = CanBuy(g.st, Index) ? PointerCustom : PointerDefault;
}

}  // namespace krepogor
