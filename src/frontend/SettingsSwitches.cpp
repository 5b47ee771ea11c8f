#include "frontend/SettingsSwitches.h"

#include "state/Game.h"

namespace krepogor {

void Music_Click(Game& g) {
    g.st.MusicOn = !g.st.MusicOn;
    g.frm_vustrel.Music_Checked = g.st.MusicOn;
    g.mm_menu().Command(g.st.MusicOn ? "Play" : "Stop");
}

void Sound_Click(Game& g) {
    g.st.SoundOn = static_cast<int16_t>(~g.st.SoundOn);
    g.frm_vustrel.Sound_Checked = g.st.SoundOn == -1;
}

}  // namespace krepogor
