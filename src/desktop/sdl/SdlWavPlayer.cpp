#include "desktop/sdl/SdlWavPlayer.h"

#include <SDL_mixer.h>

#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlMixLevels.h"

namespace krepogor {

SdlWavPlayer::SdlWavPlayer(SdlAudioOutput& audio)
    : audio_(audio), channel_(audio.AcquireChannel()) {
    if (channel_ >= 0) Mix_Volume(channel_, kWavVolume);
}

SdlWavPlayer::~SdlWavPlayer() {
    audio_.ReleaseChannel(channel_);
    for (auto& [path, chunk] : cache_) Mix_FreeChunk(chunk);
}

void SdlWavPlayer::PlayAsync(const std::string& path) {
    if (channel_ < 0) return;
    auto it = cache_.find(path);
    if (it == cache_.end()) {
        Mix_Chunk* chunk = audio_.Decode(path);
        if (!chunk) return;
        it = cache_.emplace(path, chunk).first;
    }
    Mix_PlayChannel(channel_, it->second, 0);
}

bool SdlWavPlayer::Playing() const {
    return channel_ >= 0 && Mix_Playing(channel_) != 0;
}

}  // namespace krepogor
