#pragma once

#include <string>
#include <vector>

namespace krepogor {

// Every sound the game plays, as game paths ("\gamedata\sounds\shot.wav"):
// the enemies' hits and engines, the shot and the victory, the music.
std::vector<std::string> GameSounds();

}  // namespace krepogor
