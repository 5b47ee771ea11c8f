#include "battle/EnemySounds.h"

#include "state/Game.h"

namespace krepogor {

int EnemySoundDevice(int kind) {
    switch (kind) {
        case 1:
        case 2:
        case 3:
            return kind - 1;
        case 6:
            return 3;
        default:
            return -1;
    }
}

void StopEnemySounds(Game& g) {
    for (int i = 0; i <= 3; ++i) g.MMControlSound(i).Command("Stop");
}

void RestartEnemySounds(Game& g) {
    if (g.st.SoundOn != -1) return;
    for (int k : {1, 2, 3, 6})
        if (g.st.MobLive(k) == -1) g.MMControlSound(EnemySoundDevice(k)).Command("Play");
}

}  // namespace krepogor
