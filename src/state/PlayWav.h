#pragma once

#include <string>

namespace krepogor {

class Game;

// Plays a WAV file of the game (e.g. "\gamedata\sounds\shot.wav") without
// waiting, only when the file exists and sound effects are on.
void PlayWav(Game& g, const std::string& gamePath);

}  // namespace krepogor
