#pragma once

#include <string>

namespace krepogor {

// What keeps the game from playing the sound file, in Russian: not a regular
// file, neither WAV nor MP3, a WAV file it would not play (see WavProblem), an
// MP3 file without sound or of a rate out of range. Empty when it plays, and
// when it is missing: the game then plays without it, saying nothing.
std::string SoundProblem(const std::string& path);

// Throws ResourceError naming the first of the game's sounds that is there
// but would not play, and why.
void RequireSounds(const std::string& appDir);

}  // namespace krepogor
