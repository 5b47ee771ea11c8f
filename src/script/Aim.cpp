#include "script/Aim.h"

#include "battle/Flight.h"
#include "state/Game.h"

namespace krepogor {

Aim::Aim(const Game& g) : g_(g) {
    scratch_.KernelSpeed = g.st.KernelSpeed;
    scratch_.KernelDt = g.st.KernelDt;
    scratch_.Grav = g.st.Grav;
}

BallFate Aim::InFlight(int i) {
    const BattleState& s = g_.st;
    return Follow(s.KernelX(i), s.KernelY(i), s.KernelAngle(i), s.KernelT(i));
}

BallFate Aim::Fired(int i, int angle) {
    // A new ball is first tested where its slot's last ball was left.
    return Follow(g_.st.KernelX(i), g_.st.KernelY(i), angle, 0);
}

// Tick by tick as the battle does: the hit test at the ball's last position,
// then the flight step, then the landing.
BallFate Aim::Follow(float x, float y, int angle, float t) {
    scratch_.KernelAngle(1) = static_cast<int16_t>(angle);
    scratch_.KernelRad(1) = static_cast<float>(g_.st.Pi * angle / 180);
    scratch_.KernelT(1) = t;
    Slots<float, 1, 6> mobX = g_.st.MobX;
    for (int tick = 1; tick < 1000; ++tick) {
        if (const int kind = HitAt(x, y, mobX)) return {kind, tick};
        for (int k = 1; k <= 6; ++k) mobX(k) = static_cast<float>(mobX(k) - g_.st.MobSpeed(k));
        FlightStep(scratch_, 1);
        x = scratch_.KernelX(1);
        y = scratch_.KernelY(1);
        if (y > GroundLine) return {0, tick};
    }
    return {};
}

// The first enemy whose picture, at the foreseen places `mobX`, holds the
// ball's hit point.
int Aim::HitAt(float x, float y, const Slots<float, 1, 6>& mobX) const {
    const BattleState& s = g_.st;
    const float cx = x + 12, cy = y + 12;
    for (int k = 1; k <= 6; ++k) {
        if (s.MobLive(k) != -1) continue;
        const float mx = mobX(k);
        if (mx <= -170) continue;  // gone through the wall by then
        const float w = static_cast<float>(g_.buf.PicMobPic(k).Width());
        const float h = static_cast<float>(g_.buf.PicMobPic(k).Height());
        if (cx > mx && mx + w > cx && cy > s.MobY(k) && s.MobY(k) + h > cy) return k;
    }
    return 0;
}

}  // namespace krepogor
