#include "desktop/GameSounds.h"

namespace krepogor {

std::vector<std::string> GameSounds() {
    std::vector<std::string> sounds;
    for (int i = 1; i <= 7; ++i)
        sounds.push_back("\\gamedata\\sounds\\bum" + std::to_string(i) + ".mp3");
    for (const char* kind : {"1", "2", "3", "6"})
        sounds.push_back(std::string("\\gamedata\\sounds\\Sound") + kind + ".mp3");
    sounds.push_back("\\gamedata\\sounds\\shot.wav");
    sounds.push_back("\\gamedata\\sounds\\victory.wav");
    for (int i = 1; i <= 5; ++i)
        sounds.push_back("\\gamedata\\music\\" + std::to_string(i) + ".mp3");
    return sounds;
}

}  // namespace krepogor
