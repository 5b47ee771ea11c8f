#include "battle/Arrivals.h"

#include <cmath>

#include "battle/EnemySounds.h"
#include "state/Game.h"

namespace krepogor {
namespace {

constexpr float SpawnX = 1000;

// Speed of a new enemy of kind k from the random number r, in pixels per tick.
double SpawnSpeed(int k, double r, float base) {
    switch (k) {
        case 1:
            return r * 20 / 15 + base;
        case 2:
            return r * 30 / 15 + base + 1;
        case 3:
            return r * 30 / 15 + base - 1;
        case 4:
            return r * 60 / 15 + base;
        case 5:
            return r * 40 / 15 + base - 0.5;
        default:
            return r * 50 / 15 + base + 1;
    }
}

// Top edge of a new enemy of kind k; the flying kinds draw a second number.
double SpawnHeight(Game& g, int k) {
    switch (k) {
        case 1:
        case 2:
            return 435;
        case 3:
            return 400;
        case 4:
            return g.sys.random.Rnd() * 100 + 250;
        case 5:
            return g.sys.random.Rnd() * 50 + 50;
        default:
            return g.sys.random.Rnd() * 200 / 15 + 147 - 100.0 / 15;
    }
}

void Spawn(Game& g, int k) {
    BattleState& s = g.st;
    s.MobSpeed(k) = static_cast<float>(SpawnSpeed(k, g.sys.random.Rnd(), s.MobSpeedBase));
    s.MobLive(k) = -1;
    s.MobX(k) = SpawnX;
    s.MobY(k) = static_cast<float>(SpawnHeight(g, k));
    if (k == 1) s.MobHP1 = 3;
    if (k == 2) s.MobHP2 = 2;
    if (k == 3) s.MobHP3 = 5;
    if (k == 6) s.MobHP6 = 2;
    const int dev = EnemySoundDevice(k);
    if (dev >= 0 && s.SoundOn == -1) {
        g.MMControlSound(dev).Command("Prev");
        g.MMControlSound(dev).Command("Play");
    }
}

}  // namespace

void Tmr_mob_Timer(Game& g) {
    BattleState& s = g.st;
    s.MobRoll = static_cast<int32_t>(std::floor(s.MobRange * g.sys.random.Rnd())) + 1;
    for (int k = 1; k <= 6; ++k)
        if (s.Level > k - 1 && s.MobRoll == k && s.MobLive(k) == 0) Spawn(g, k);
}

}  // namespace krepogor
