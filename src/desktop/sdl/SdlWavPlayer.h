#pragma once

#include <map>
#include <string>

#include "platform/WavPlayer.h"

struct Mix_Chunk;

namespace krepogor {

class SdlAudioOutput;

// Plays short WAV files on one mixer channel of its own: a new sound cuts off
// the one still playing. Files are decoded once and kept by path; a file that
// cannot be decoded is skipped silently (and tried again next time).
class SdlWavPlayer : public IWavPlayer {
public:
    explicit SdlWavPlayer(SdlAudioOutput& audio);
    ~SdlWavPlayer() override;
    SdlWavPlayer(const SdlWavPlayer&) = delete;
    SdlWavPlayer& operator=(const SdlWavPlayer&) = delete;

    void PlayAsync(const std::string& path) override;
    // Whether a sound still plays (for tests and diagnostics).
    bool Playing() const;

private:
    SdlAudioOutput& audio_;
    int channel_;
    std::map<std::string, Mix_Chunk*> cache_;
};

}  // namespace krepogor
