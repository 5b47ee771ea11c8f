#include "battle/Fire.h"

#include "battle/GunFrame.h"
#include "state/Game.h"
#include "state/PlayWav.h"

namespace krepogor {
namespace {

// Where the muzzle flash stands for each gun angle, 0 to 90 in steps of 15.
constexpr int16_t FlashX[7] = {105, 102, 95, 88, 69, 57, 45};
constexpr int16_t FlashY[7] = {414, 397, 387, 374, 368, 360, 358};

}  // namespace

void Fire(Game& g) {
    BattleState& s = g.st;
    int i = 1;
    while (i <= 3 && s.KernelFly(i) != 0) ++i;
    if (i > 3) return;

    PlayWav(g, "\\gamedata\\sounds\\shot.wav");
    s.KernelAngle(i) = s.GunAngle;
    s.KernelRad(i) = static_cast<float>(s.Pi * s.KernelAngle(i) / 180);
    s.KernelFly(i) = -1;
    s.KernelT(i) = 0;
    s.ShotCount = s.ShotCount + 1;

    for (int n = 0; n <= 5; ++n) {
        if (s.VustrelLive(n) != 0) continue;
        s.VustrelLive(n) = -1;
        const int a = GunFrame(s.GunAngle);
        s.VustrelX(n) = FlashX[a];
        s.VustrelY(n) = FlashY[a];
        break;
    }
}

}  // namespace krepogor
