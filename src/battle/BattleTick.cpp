#include "battle/BattleTick.h"

#include "battle/BattleEnd.h"
#include "battle/Flight.h"
#include "battle/Hits.h"
#include "battle/Lamps.h"
#include "state/Game.h"

namespace krepogor {
namespace {

// Balls that land are parked here, above the field.
constexpr float ParkX = 60, ParkY = 0;
// Enemies at or beyond this line have reached the wall.
constexpr float WallLine = -170;

void MoveBalls(Game& g) {
    BattleState& s = g.st;
    for (int i = 1; i <= 3; ++i) {
        if (s.KernelFly(i) != -1) continue;
        // A ball freed by a hit still tests the remaining enemies at the same
        // place: one ball can hit several overlapping enemies.
        for (int k = 1; k <= 6; ++k)
            if (s.MobLive(k) == -1 && HitTest(g, i, k)) HitHandling(g, i, k);
        FlightStep(s, i);
        if (s.KernelY(i) > GroundLine) {
            s.KernelFly(i) = 0;
            s.KernelX(i) = ParkX;
            s.KernelY(i) = ParkY;
        }
    }
}

void MoveEnemies(BattleState& s) {
    for (int k = 1; k <= 6; ++k) {
        if (s.MobLive(k) != -1) continue;
        s.MobX(k) = s.MobX(k) - s.MobSpeed(k);
        if (!(s.MobX(k) > WallLine)) {
            s.Life = static_cast<int16_t>(s.Life - 1);
            s.MobLive(k) = 0;
        }
    }
}

}  // namespace

bool AdvanceBattle(Game& g) {
    MoveBalls(g);
    MoveEnemies(g.st);
    if (SettleBattle(g)) return true;
    RefreshLamps(g);
    return false;
}

void Tmr_kernel_Timer(Game& g) {
    if (!AdvanceBattle(g)) g.view->RedrawScene();
}

}  // namespace krepogor
