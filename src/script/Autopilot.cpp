#include "script/Autopilot.h"

#include <cstdio>
#include <ostream>

#include "battle/GunControls.h"
#include "battle/Keys.h"
#include "state/Game.h"

namespace krepogor {
namespace {

// Hits still needed to destroy the enemy of kind k.
int HitsLeft(const BattleState& s, int k) {
    switch (k) {
        case 1:
            return s.MobHP1;
        case 2:
            return s.MobHP2;
        case 3:
            return s.MobHP3;
        case 6:
            return s.MobHP6;
        default:
            return 1;
    }
}

std::string Clock(int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%03lld",
                  static_cast<long long>(ms / 3600000), static_cast<long long>(ms / 60000 % 60),
                  static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
    return text;
}

}  // namespace

void Autopilot::AfterTick() {
    const int64_t now = g_.sys.timers.Now();
    // A new battle started over the one we played counts afresh.
    if (g_.st.ShotCount < shots_ || g_.st.Kills < kills_) battleStart_.reset();
    shots_ = g_.st.ShotCount;
    kills_ = g_.st.Kills;
    if (!battleStart_) {
        battleStart_ = now - g_.frm_vustrel.Tmr_kernel.Interval();
        hits_ = 0;
        flying_.Fill(0);
    }
    CountHits();
    // The tick that ends a battle stops it and hides the battle window.
    if (!g_.frm_vustrel.Tmr_kernel.Enabled() && !g_.windows.IsVisible("frm_vustrel")) {
        Report();
        battleStart_.reset();
        return;
    }
    if (!g_.windows.IsVisible("frm_vustrel")) return;
    Buy();
    Fire();
    for (int i = 1; i <= 3; ++i) flying_(i) = g_.st.KernelFly(i);
}

// A ball that stopped flying was spent on an enemy, unless it landed: a
// landed ball is parked at the top of the window.
void Autopilot::CountHits() {
    const BattleState& s = g_.st;
    for (int i = 1; i <= 3; ++i)
        if (flying_(i) == -1 && s.KernelFly(i) == 0 && s.KernelY(i) != 0) ++hits_;
}

void Autopilot::Press(int16_t key) {
    Form_KeyDown(g_, key, 0);
}

// Upgrades are worth their price in the final score, so everything is bought
// as soon as it can be: a repair first when the life runs low, then the
// muzzle force (the flyers are out of reach of a weak gun), then the flight.
void Autopilot::Buy() {
    const BattleState& s = g_.st;
    if (s.Life <= 50) Press(vbKeyB);
    for (int n = 0; n < 10 && s.ModPoints >= 250 && s.ForceLevel < 10; ++n) Press(vbKeyV);
    for (int n = 0; n < 10 && s.ModPoints >= 300 && s.DtLevel < 10; ++n) Press(vbKeyC);
    if (s.ForceLevel == 10 && s.DtLevel == 10)
        for (int n = 0; n < 4 && s.Life < 76 && s.ModPoints >= 200; ++n) Press(vbKeyB);
}

// Every free ball goes to the enemy it reaches soonest, among those that the
// balls already flying will not finish off. No target, no shot.
void Autopilot::Fire() {
    const BattleState& s = g_.st;
    Aim aim(g_, arcs_);
    Slots<int, 1, 6> coming;  // balls on their way to each enemy
    for (int i = 1; i <= 3; ++i)
        if (s.KernelFly(i) == -1)
            if (const BallFate f = aim.InFlight(i); f.kind) ++coming(f.kind);
    for (int i = 1; i <= 3; ++i) {
        if (s.KernelFly(i) != 0) continue;
        int bestAngle = -1;
        BallFate best;
        for (int angle = 0; angle <= 90; angle += 15) {
            const BallFate f = aim.Fired(i, angle);
            if (!f.kind || coming(f.kind) >= HitsLeft(s, f.kind)) continue;
            if (bestAngle < 0 || f.ticks < best.ticks) {
                best = f;
                bestAngle = angle;
            }
        }
        if (bestAngle < 0) return;
        while (s.GunAngle < bestAngle) Press(vbKeyUp);
        while (s.GunAngle > bestAngle) Press(vbKeyDown);
        Press(vbKeySpace);
        if (s.KernelFly(i) != -1) return;
        ++coming(best.kind);
    }
}

void Autopilot::Report() {
    const BattleState& s = g_.st;
    const bool won = g_.windows.IsVisible("FrmWin");
    const int64_t shots = s.ShotCount;
    char ratio[16];
    std::snprintf(ratio, sizeof ratio, "%.3f",
                  shots ? static_cast<double>(hits_) / static_cast<double>(shots) : 0.0);
    out_ << "{\"autopilot\": {\"seed\": " << (seed_ ? std::to_string(*seed_) : "null")
         << ", \"result\": \"" << (won ? "victory" : "defeat") << "\", \"virtual_time\": \""
         << Clock(g_.sys.timers.Now() - *battleStart_) << "\", \"level\": " << s.Level
         << ", \"kills\": " << s.Kills << ", \"shots\": " << shots << ", \"hits\": " << hits_
         << ", \"hit_ratio\": " << ratio
         << ", \"final_score\": " << (won ? std::to_string(s.FinalScore) : "null") << "}}\n";
}

}  // namespace krepogor
