#pragma once

#include <string>

namespace krepogor {

// A WAV file is decoded whole before it plays: a longer one would stall the
// game and fill its memory.
inline constexpr int kLongestWavSeconds = 60;

// Whether the file starts as a WAV file does ("RIFF" ... "WAVE").
bool LooksLikeWav(const std::string& path);

// What keeps the game from playing the WAV file, in Russian, read from its
// header and its size alone; empty when it plays: uncompressed PCM of 8, 16,
// 24 or 32 bits or floating point of 32 or 64, 1 to 8 channels, a rate of 8
// to 192 kHz, some sound, all of it in the file, at most a minute long.
std::string WavProblem(const std::string& path);

}  // namespace krepogor
