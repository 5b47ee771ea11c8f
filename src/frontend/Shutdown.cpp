#include "frontend/Shutdown.h"

#include "state/Game.h"
#include "state/ProgramEnded.h"

namespace krepogor {

void Shutdown(Game& g) {
    g.ShuttingDown = true;
    BattleForm& f = g.frm_vustrel;
    f.Tmr_kernel.Enabled(false);
    f.Tmr_mob.Enabled(false);
    f.tmr_fc.Enabled(false);
    g.mm_menu().Command("Stop");
    g.mm_menu().Command("Close");
    for (int i = 0; i <= 6; ++i) {
        g.MMControlBum(i).Command("Stop");
        g.MMControlBum(i).Command("Close");
    }
    for (int i = 0; i <= 3; ++i) {
        g.MMControlSound(i).Command("Stop");
        g.MMControlSound(i).Command("Close");
    }
    for (const char* w :
         {"frm_vustrel", "frm_credits", "frm_menu", "FrmRecords", "FrmRules", "FrmLost", "FrmWin"})
        g.windows.Hide(w);
    throw ProgramEnded();
}

}  // namespace krepogor
