#include "frontend/BookWindow.h"

#include "battle/EnemySounds.h"
#include "frontend/BookFile.h"
#include "frontend/BookMessages.h"
#include "state/Game.h"
#include "state/HoldBattle.h"
#include "state/MusicSwitch.h"
#include "state/NumberText.h"

namespace krepogor {

void Records_Click(Game& g) {
    if (g.st.MusicOn) {
        ToInterlude(g);
        StopEnemySounds(g);
    }
    g.windows.Hide("frm_vustrel");
    g.windows.Show("FrmRecords");
    HoldBattle(g);
    std::string error;
    const BookRead read = ReadAllRows(g, SystemFileCalls(), &error);
    for (int i = 0; i <= 4; ++i) {
        g.FrmRecords.LabelName(i) = g.st.RecName(i + 1);
        g.FrmRecords.LabelScore(i) = NumberText(int64_t{g.st.RecScore(i + 1)});
    }
    // The box stands over the empty rows it explains.
    if (read == BookRead::Unreadable) TellBookUnreadable(g, error, false);
}

void ExitFormRecords(Game& g) {
    ToMainMusic(g);
    g.windows.Hide("FrmRecords");
    g.windows.Show("frm_vustrel");
    ReleaseBattle(g);
    RestartEnemySounds(g);
}

}  // namespace krepogor
