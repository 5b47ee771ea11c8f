#include "script/Aim.h"

#include "battle/Flight.h"
#include "state/Game.h"

namespace krepogor {

const std::vector<Arcs::Point>& Arcs::For(const BattleState& s, int angle) {
    if (s.KernelSpeed != speed_ || s.KernelDt != dt_ || s.Grav != grav_ || s.Pi != pi_) {
        speed_ = scratch_.KernelSpeed = s.KernelSpeed;
        dt_ = scratch_.KernelDt = s.KernelDt;
        grav_ = scratch_.Grav = s.Grav;
        pi_ = s.Pi;
        for (auto& arc : arcs_) arc.clear();
    }
    std::vector<Point>& arc = arcs_[static_cast<size_t>(angle / 15)];
    if (arc.empty()) {
        scratch_.KernelAngle(1) = static_cast<int16_t>(angle);
        scratch_.KernelRad(1) = static_cast<float>(pi_ * angle / 180);
        scratch_.KernelT(1) = 0;
        do {
            FlightStep(scratch_, 1);
            arc.push_back({scratch_.KernelX(1), scratch_.KernelY(1)});
        } while (arc.back().y <= GroundLine && arc.size() < 1000);
    }
    return arc;
}

Aim::Aim(const Game& g, Arcs& arcs) : g_(g), arcs_(arcs) {
    const BattleState& s = g.st;
    for (int k = 1; k <= 6; ++k) {
        if (s.MobLive(k) != -1) continue;
        enemies_[static_cast<size_t>(count_++)] = {k,
                                                   s.MobX(k),
                                                   s.MobY(k),
                                                   static_cast<float>(g.buf.PicMobPic(k).Width()),
                                                   static_cast<float>(g.buf.PicMobPic(k).Height()),
                                                   s.MobSpeed(k)};
    }
    scratch_.KernelSpeed = s.KernelSpeed;
    scratch_.KernelDt = s.KernelDt;
    scratch_.Grav = s.Grav;
}

// Tick by tick as the battle does: the hit test at the ball's last position,
// then the enemies' step, the flight step and the landing.
BallFate Aim::InFlight(int i) {
    const BattleState& s = g_.st;
    float x[6] = {};
    for (int e = 0; e < count_; ++e) x[e] = enemies_[static_cast<size_t>(e)].x;
    scratch_.KernelAngle(1) = s.KernelAngle(i);
    scratch_.KernelRad(1) = s.KernelRad(i);
    scratch_.KernelT(1) = s.KernelT(i);
    float bx = s.KernelX(i), by = s.KernelY(i);
    for (int tick = 1; tick < 1000; ++tick) {
        if (const int kind = HitAt(bx, by, x)) return {kind, tick};
        Walk(x);
        FlightStep(scratch_, 1);
        bx = scratch_.KernelX(1);
        by = scratch_.KernelY(1);
        if (by > GroundLine) return {0, tick};
    }
    return {};
}

// A new ball is first tested where its slot's last ball was left, then it
// follows the arc of its angle.
BallFate Aim::Fired(int i, int angle) {
    const std::vector<Arcs::Point>& arc = arcs_.For(g_.st, angle);
    float x[6] = {};
    for (int e = 0; e < count_; ++e) x[e] = enemies_[static_cast<size_t>(e)].x;
    if (const int kind = HitAt(g_.st.KernelX(i), g_.st.KernelY(i), x)) return {kind, 1};
    Walk(x);
    for (size_t n = 1; n <= arc.size(); ++n) {
        const Arcs::Point p = arc[n - 1];
        if (p.y > GroundLine) return {0, static_cast<int>(n)};
        if (const int kind = HitAt(p.x, p.y, x)) return {kind, static_cast<int>(n) + 1};
        Walk(x);
    }
    return {};
}

int Aim::HitAt(float bx, float by, const float* x) const {
    const float cx = bx + 12, cy = by + 12;
    for (int e = 0; e < count_; ++e) {
        const Enemy& m = enemies_[static_cast<size_t>(e)];
        if (x[e] <= -170) continue;  // gone through the wall by then
        if (cx > x[e] && x[e] + m.w > cx && cy > m.y && m.y + m.h > cy) return m.kind;
    }
    return 0;
}

void Aim::Walk(float* x) const {
    for (int e = 0; e < count_; ++e)
        x[e] = static_cast<float>(x[e] - enemies_[static_cast<size_t>(e)].speed);
}

}  // namespace krepogor
