#pragma once

#include <memory>

#include "desktop/sdl/SdlSoundSource.h"

struct Mix_Chunk;

namespace krepogor {

// A sound decoded whole beforehand (a short WAV file); takes the chunk over.
std::unique_ptr<SoundSource> PcmSource(Mix_Chunk* chunk, int frameBytes);

}  // namespace krepogor
