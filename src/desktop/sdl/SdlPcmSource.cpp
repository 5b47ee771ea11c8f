#include "desktop/sdl/SdlPcmSource.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>

#include "desktop/sdl/SdlAudioOutput.h"
#include "desktop/sdl/SdlMp3Source.h"

namespace krepogor {
namespace {

class Pcm : public SoundSource {
public:
    Pcm(Mix_Chunk* chunk, int frameBytes) : chunk_(chunk), frameBytes_(frameBytes) {}
    ~Pcm() override { Mix_FreeChunk(chunk_); }
    Pcm(const Pcm&) = delete;
    Pcm& operator=(const Pcm&) = delete;

    int64_t Frames() const override { return chunk_->alen / frameBytes_; }
    void Seek(int64_t frame) override {
        at_ = std::clamp<int64_t>(frame, 0, Frames()) * frameBytes_;
    }

    int Read(uint8_t* out, int bytes) override {
        const int64_t end = Frames() * frameBytes_;
        const int n = static_cast<int>(std::min<int64_t>(bytes - bytes % frameBytes_, end - at_));
        std::memcpy(out, chunk_->abuf + at_, static_cast<size_t>(n));
        at_ += n;
        return n;
    }

private:
    Mix_Chunk* chunk_;
    int frameBytes_;
    int64_t at_ = 0;
};

}  // namespace

std::unique_ptr<SoundSource> PcmSource(Mix_Chunk* chunk, int frameBytes) {
    if (!chunk || frameBytes <= 0) return nullptr;
    return std::make_unique<Pcm>(chunk, frameBytes);
}

std::unique_ptr<SoundSource> OpenSoundSource(const SdlAudioOutput& audio, const std::string& path) {
    if (!audio.IsOpen()) return nullptr;
    if (auto mp3 = OpenMp3Source(path, audio.Frequency(), audio.FrameBytes() / 2)) return mp3;
    return PcmSource(audio.Decode(path), audio.FrameBytes());
}

}  // namespace krepogor
