#include "frontend/CloseBox.h"

#include "frontend/BookWindow.h"
#include "frontend/InfoScreens.h"
#include "frontend/Shutdown.h"
#include "state/Game.h"

namespace krepogor {

void ScreenClick(Game& g, const std::string& window) {
    if (window == "FrmRules")
        ExitFormRules(g);
    else if (window == "frm_credits")
        ExitCredits(g);
    else if (window == "FrmLost")
        ExitFormLost(g);
    else if (window == "FrmWin")
        ExitFormWin(g);
    else if (window == "FrmRecords")
        ExitFormRecords(g);
}

void CloseRequest(Game& g, const std::string& window) {
    if (g.ShuttingDown) return;
    if (window == "frm_menu" || window == "frm_vustrel") Shutdown(g);
    ScreenClick(g, window);
}

}  // namespace krepogor
