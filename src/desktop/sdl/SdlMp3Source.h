#pragma once

#include <memory>
#include <string>

#include "desktop/sdl/SdlSoundSource.h"

namespace krepogor {

// An MP3 file decoded as it plays, converted to the output's rate and channels.
// Its length counts the samples the encoder put in, without the encoder's
// delay and padding, exactly as the file's header frame gives them.
std::unique_ptr<SoundSource> OpenMp3Source(const std::string& path, int frequency, int channels);

// What keeps the game from playing the MP3 file, in Russian, found by reading
// its frame headers (no sound is decoded); empty when it plays.
std::string Mp3Problem(const std::string& path);

}  // namespace krepogor
