#include "desktop/sdl/SdlAudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "desktop/WavFile.h"
#include "desktop/sdl/SdlChannelWatch.h"
#include "desktop/sdl/SdlLimiter.h"

namespace krepogor {

SdlAudioOutput::SdlAudioOutput() {
    open_ = TryOpen();
    if (!open_) {
        // No usable sound card: play into the silent driver instead, so that
        // tracks still take their time and end.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        open_ = TryOpen();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (!open_) return;
    const char* driver = SDL_GetCurrentAudioDriver();
    driver_ = driver ? driver : "";
    taken_.assign(ChannelWatch::kChannels, false);
    Mix_AllocateChannels(ChannelWatch::kChannels);
    zeros_.assign(static_cast<size_t>(frameBytes_) * 1024, 0);
    silence_ = Mix_QuickLoad_RAW(zeros_.data(), static_cast<Uint32>(zeros_.size()));
    limiter_ = std::make_unique<SdlLimiter>(frequency_, frameBytes_ / 2);
    Mix_SetPostMix(&SdlLimiter::PostMix, limiter_.get());
}

bool SdlAudioOutput::TryOpen() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    frequency_ = frequency;
    frameBytes_ = SDL_AUDIO_BITSIZE(format) / 8 * channels;
    if (frequency_ > 0 && frameBytes_ > 0) return true;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

SdlAudioOutput::~SdlAudioOutput() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_SetPostMix(nullptr, nullptr);
    if (silence_) Mix_FreeChunk(silence_);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlAudioOutput::AcquireChannel() {
    for (size_t i = 0; i < taken_.size(); ++i) {
        if (!taken_[i]) {
            taken_[i] = true;
            return static_cast<int>(i);
        }
    }
    return -1;
}

void SdlAudioOutput::ReleaseChannel(int channel) {
    if (channel < 0 || static_cast<size_t>(channel) >= taken_.size()) return;
    Mix_HaltChannel(channel);
    ChannelWatch::Of(channel).Arm(0, nullptr);
    taken_[static_cast<size_t>(channel)] = false;
}

Mix_Chunk* SdlAudioOutput::Decode(const std::string& path) const {
    if (!open_) return nullptr;
    // A WAV file of an absurd rate or length is never converted whole.
    if (LooksLikeWav(path) && !WavProblem(path).empty()) return nullptr;
    return Mix_LoadWAV(path.c_str());
}

int64_t SdlAudioOutput::FramesToMs(int64_t frames) const {
    if (frequency_ == 0) return 0;
    return frames * 1000 / frequency_;
}

}  // namespace krepogor
