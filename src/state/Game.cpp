#include "state/Game.h"

namespace krepogor {

BattleForm::BattleForm(Platform& sys)
    : Tmr_kernel(sys.timers, "Tmr_kernel", 20, false),
      Tmr_mob(sys.timers, "Tmr_mob", 100, false),
      TmrBum(sys.timers, "TmrBum", 20, false),
      TmrMob5(sys.timers, "TmrMob5", 50, false),
      TmrFazaMob4(sys.timers, "TmrFazaMob4", 100, false),
      tmr_fc(sys.timers, "tmr_fc", 1000, false),
      MMControlBum(sys.media, "MMControlBum"),
      MMControlSound(sys.media, "MMControlSound") {}

Game::Game(Platform& platform) : sys(platform), frm_vustrel(platform), frm_menu(platform) {}

}  // namespace krepogor
