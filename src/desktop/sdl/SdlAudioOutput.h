#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Mix_Chunk;

namespace krepogor {

// The sound card, opened through the mixer at 44.1 kHz, 16-bit stereo, with a
// pool of mixer channels that the media devices and the WAV player take one
// each of.
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
    // The SDL driver that plays, e.g. "pulseaudio" or "dummy"; "" when closed.
    const std::string& Driver() const { return driver_; }

    // A free mixer channel, or -1 when the output is closed or all are taken.
    int AcquireChannel();
    void ReleaseChannel(int channel);

    // The whole file decoded to the output's format, or nullptr when the
    // output is closed or the file is missing or undecodable.
    Mix_Chunk* Decode(const std::string& path) const;

    // Bytes of one sample frame (all channels of one sample) in the output format.
    int FrameBytes() const { return frameBytes_; }
    int64_t BytesToMs(int64_t bytes) const;
    int64_t MsToBytes(int64_t ms) const;

private:
    bool TryOpen();

    bool open_ = false;
    std::string driver_;
    int frequency_ = 0;
    int frameBytes_ = 0;
    std::vector<bool> taken_;
};

}  // namespace krepogor
