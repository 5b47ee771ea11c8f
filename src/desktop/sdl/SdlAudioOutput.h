#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "desktop/sdl/SdlLimiter.h"

struct Mix_Chunk;

namespace krepogor {

// The sound card, opened through the mixer at 44.1 kHz, 16-bit stereo, with a
// pool of mixer channels that the media devices and the WAV player take one
// each of, and a limiter as the last stage of the mix.
//
// When no sound card can be opened, the output falls back to SDL's silent
// "dummy" driver, which still consumes sound in real time: devices then
// behave exactly as with a card (lengths, positions, ends), only nobody hears
// them. When even that fails, the output is closed: nothing decodes, every
// device opens with length 0 and stays at position 0, and nothing plays. No
// case raises an error. An output made with NoSound is closed from the start.
//
// Only one output may exist at a time; it must outlive every device and
// player made on it.
class SdlAudioOutput {
public:
    struct NoSound {};

    SdlAudioOutput();
    explicit SdlAudioOutput(NoSound) {}
    ~SdlAudioOutput();
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool IsOpen() const { return open_; }
    // The last stage of the mix; nullptr when the output is closed.
    SdlLimiter* Limiter() const { return limiter_.get(); }
    // The SDL driver that plays, e.g. "pulseaudio" or "dummy"; "" when closed.
    const std::string& Driver() const { return driver_; }

    // A free mixer channel, or -1 when the output is closed or all are taken.
    int AcquireChannel();
    void ReleaseChannel(int channel);

    // The whole file decoded to the output's format, or nullptr when the
    // output is closed or the file is missing, undecodable or a WAV file the
    // game does not play (see WavProblem).
    Mix_Chunk* Decode(const std::string& path) const;
    // A short stretch of silence in the output's format, for looping.
    Mix_Chunk* Silence() const { return silence_; }

    // Sample frames a second, and bytes of one sample frame (all channels of
    // one 16-bit sample) in the output format.
    int Frequency() const { return frequency_; }
    int FrameBytes() const { return frameBytes_; }
    // Whole milliseconds in `frames` sample frames.
    int64_t FramesToMs(int64_t frames) const;

private:
    bool TryOpen();

    bool open_ = false;
    std::string driver_;
    int frequency_ = 0;
    int frameBytes_ = 0;
    std::vector<bool> taken_;
    std::vector<uint8_t> zeros_;
    Mix_Chunk* silence_ = nullptr;
    std::unique_ptr<SdlLimiter> limiter_;
};

}  // namespace krepogor
