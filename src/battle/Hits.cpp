#include "battle/Hits.h"

#include "battle/EnemySounds.h"
#include "platform/MediaSequences.h"
#include "state/Game.h"

namespace krepogor {
namespace {

// Points for destroying enemy kind 1..6.
constexpr int Reward[7] = {0, 6, 4, 8, 5, 7, 10};

// Counts a hit on an armoured enemy; true when it is destroyed.
bool Damage(BattleState& s, int k) {
    switch (k) {
        case 1:
            return --s.MobHP1 == 0;
        case 2:
            return --s.MobHP2 == 0;
        case 3:
            return --s.MobHP3 == 0;
        default:
            s.MobHP6 = static_cast<int16_t>(s.MobHP6 - 1);
            return s.MobHP6 == 0;
    }
}

void PlaceExplosion(BattleState& s, int i) {
    for (int n = 0; n <= 5; ++n) {
        if (s.BumLive(n)) continue;
        s.BumLive(n) = true;
        s.BumX(n) = s.KernelX(i) - 55;
        s.BumY(n) = s.KernelY(i) - 42;
        return;
    }
    // All six explosions are playing: this hit shows none.
}

}  // namespace

bool HitTest(const Game& g, int i, int k) {
    const BattleState& s = g.st;
    const float cx = s.KernelX(i) + 12;
    const float cy = s.KernelY(i) + 12;
    const float w = static_cast<float>(g.buf.PicMobPic(k).Width());
    const float h = static_cast<float>(g.buf.PicMobPic(k).Height());
    return cx > s.MobX(k) && s.MobX(k) + w > cx && cy > s.MobY(k) && s.MobY(k) + h > cy;
}

void HitHandling(Game& g, int i, int k) {
    BattleState& s = g.st;
    const bool soundOn = s.SoundOn == -1;
    if (k == 4 || k == 5) {
        s.Kills = s.Kills + 1;
        s.ModPoints = s.ModPoints + Reward[k];
        s.MobLive(k) = 0;
        StartOrRestart(g.MMControlBum(k - 1), soundOn);
    } else {
        const bool destroyed = Damage(s, k);
        if (destroyed) {
            s.ModPoints = s.ModPoints + Reward[k];
            s.Kills = s.Kills + 1;
            s.MobLive(k) = 0;
            g.MMControlSound(EnemySoundDevice(k)).Command("Stop");
        }
        StartOrRestart(g.MMControlBum(k - 1), soundOn);
        if (k <= 3 && destroyed) StartOrRestart(g.MMControlBum(6), soundOn);
    }
    s.KernelFly(i) = 0;
    s.KernelT(i) = 0;
    PlaceExplosion(s, i);
}

}  // namespace krepogor
