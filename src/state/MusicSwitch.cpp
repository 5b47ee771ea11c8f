#include "state/MusicSwitch.h"

#include "state/Game.h"

namespace krepogor {

void ToInterlude(Game& g) {
    if (!g.st.MusicOn) return;
    g.about().Command("Play");
    g.mm_menu().Command("Stop");
}

void ToMainMusic(Game& g) {
    if (!g.st.MusicOn) return;
    g.mm_menu().Command("Play");
    g.about().Command("Stop");
}

}  // namespace krepogor
