#include "desktop/TimersMayWait.h"

#include "state/Game.h"

namespace krepogor {

bool TimersMayWait(const Game& g) {
    const BattleForm& f = g.frm_vustrel;
    // A countdown still above zero would start the battle on its last tick.
    const bool countdownRuns = f.tmr_fc.Enabled() && g.st.Count5 > 0;
    return g.windows.Visible() != "frm_vustrel" && !f.Tmr_kernel.Enabled() &&
           !f.Tmr_mob.Enabled() && !countdownRuns;
}

}  // namespace krepogor
