#include "battle/ExitQuestion.h"

#include "state/Game.h"
#include "state/HoldBattle.h"

namespace krepogor {

void ExitQuestion(Game& g) {
    HoldBattle(g);
    if (g.sys.dialogs.MsgBox("Выйти из игры?", "Крепогор", MsgButtons::YesNo) == MsgAnswer::Yes &&
        g.frontEnd.Shutdown)
        g.frontEnd.Shutdown();
    ReleaseBattle(g);
}

void Exiting_Click(Game& g) {
    ExitQuestion(g);
}

}  // namespace krepogor
