#include "frontend/MainMenu.h"

#include <cmath>
#include <string>

#include "battle/BattleFormLoad.h"
#include "battle/NewGame.h"
#include "frontend/FrontEndWiring.h"
#include "frontend/Shutdown.h"
#include "platform/MediaSequences.h"
#include "state/AppPath.h"
#include "state/Game.h"
#include "state/MusicSwitch.h"

namespace krepogor {
namespace {

std::string TrackPath(Game& g, int track) {
    return AppPath(g.sys.appDir, "\\gamedata\\music\\" + std::to_string(track) + ".mp3");
}

}  // namespace

int ChooseMenuTrack(Game& g) {
    g.frm_menu.MenuTrack = static_cast<int16_t>(std::floor(g.sys.random.Rnd() * 4 + 1));
    return g.frm_menu.MenuTrack;
}

void frm_menu_Load(Game& g) {
    g.sys.random.Randomize();
    g.st.MusicOn = true;
    g.st.SoundOn = -1;
    frm_vustrel_Load(g);  // the first touch of the battle window loads it
    g.frm_vustrel.Music_Checked = true;
    g.frm_vustrel.Sound_Checked = true;
    WireFrontEnd(g);
    if (g.st.MusicOn) {
        g.about().FileName(AppPath(g.sys.appDir, "\\gamedata\\music\\5.mp3"));
        g.about().Command("Open");
        g.mm_menu().FileName(TrackPath(g, ChooseMenuTrack(g)));
        g.mm_menu().Command("Open");
        g.mm_menu().Command("Play");
    }
    for (const char* w :
         {"frm_credits", "frm_vustrel", "FrmRecords", "FrmRules", "FrmLost", "FrmWin"})
        g.windows.Hide(w);
    g.windows.Show("frm_menu");
}

void lbl_new_game_Click(Game& g) {
    g.windows.Hide("frm_menu");
    g.windows.Show("frm_vustrel");
    ToMainMusic(g);
    NewGame(g);
}

void lbl_exit_Click(Game& g) {
    Shutdown(g);
}

void mm_menu_StatusUpdate(Game& g) {
    IMediaDevice& dev = g.mm_menu();
    if (!g.st.MusicOn || dev.Position() != dev.Length()) return;
    const int track = ChooseMenuTrack(g);
    dev.Command("Stop");
    dev.Command("Close");
    dev.FileName(TrackPath(g, track));
    dev.Command("Open");
    dev.Command("Play");
}

void about_StatusUpdate(Game& g) {
    LoopTrack(g.about(), g.st.MusicOn);
}

}  // namespace krepogor
