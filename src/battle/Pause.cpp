#include "battle/Pause.h"

#include "battle/EnemySounds.h"
#include "state/Game.h"
#include "state/HoldBattle.h"

namespace krepogor {

void Pauses(Game& g) {
    HoldBattle(g);
    g.mm_menu().Command("Stop");
    StopEnemySounds(g);
    g.sys.dialogs.MsgBox("Пауза... Для продолжения нажмите на кнопку...", "Пауза!", MsgButtons::OK);
    if (g.st.MusicOn) g.mm_menu().Command("Play");
    RestartEnemySounds(g);
    ReleaseBattle(g);
}

void Pouse_Click(Game& g) {
    Pauses(g);
}

}  // namespace krepogor
